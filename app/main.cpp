// zuno: the Zuno client as a Linux program, in a 480 x 320 window (or headless). `zuno --help`.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ConfigurationFile.h"
#include "HeadlessWalk.h"
#include "Program.h"
#include "ProgramOptions.h"
#include "WindowRun.h"
#include "platform/core/Bundle.h"

namespace {

int runHeadless(zuno::app::Program& program, const zuno::app::ProgramOptions& options) {
    zuno::app::HeadlessWalk walk(program, options.user, options.password);
    const bool reached = walk.run();
    program.shutDown();
    if (!reached) {
        std::fprintf(stderr, "zuno: %s\n", walk.why().c_str());
        return 1;
    }
    std::printf("zuno: signed in as %s and reached the game list\n", options.user.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    zuno::app::ParsedOptions parsed = zuno::app::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "zuno: %s\n%s", parsed.error.c_str(), zuno::app::usageText().c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::printf("%s", zuno::app::usageText().c_str());
        return 0;
    }
    if (parsed.options.configFile) {
        const std::string problem = zuno::app::checkConfigurationFile(*parsed.options.configFile);
        if (!problem.empty()) {
            std::fprintf(stderr, "zuno: %s\n", problem.c_str());
            return 2;
        }
    }
    const zuno::sys::Bundle& bundle = zuno::sys::Bundle::main();
    std::optional<std::string> problem = bundle.problem();
    // The first screen's file above all: a bundle without it could show nothing at all.
    if (!problem && !bundle.pathForResource("ui/LoginView.xml")) problem = "no ui/LoginView.xml";
    if (problem) {
        std::fprintf(stderr, "zuno: no usable application bundle in %s (%s); name its folder with --bundle DIR\n",
                     bundle.bundlePath().c_str(), problem->c_str());
        return 2;
    }
    zuno::app::Program program(parsed.options);
    if (!parsed.options.headless) return zuno::app::runInWindow(program);
    if (!program.launch()) return 1;
    return runHeadless(program, parsed.options);
}
