#include "platform/ui/InterfaceLoader.h"
namespace zuno::ui {
void InterfaceLoader::setInterfaceRoot(std::string) {}
std::string InterfaceLoader::interfaceRoot() { return {}; }
InterfaceLoader::Result InterfaceLoader::load(const std::string&, Responder&) { return {}; }
InterfaceLoader::Result InterfaceLoader::loadFromText(const std::string&, Responder&, const std::string&) { return {}; }
}
