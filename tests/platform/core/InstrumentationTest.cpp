// The tests run the code as shipped: fuzzing coverage belongs to the fuzz targets alone.
#include <gtest/gtest.h>

#include <elf.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The section names of this program's own file.
std::vector<std::string> ownSectionNames() {
    std::ifstream in("/proc/self/exe", std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> names;
    if (bytes.size() < sizeof(Elf64_Ehdr)) return names;
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(bytes.data());
    auto sectionAt = [&](size_t i) {
        return reinterpret_cast<const Elf64_Shdr*>(bytes.data() + header->e_shoff + i * header->e_shentsize);
    };
    if (header->e_shoff + size_t(header->e_shnum) * header->e_shentsize > bytes.size()) return names;
    const Elf64_Shdr* strings = sectionAt(header->e_shstrndx);
    for (size_t i = 0; i < header->e_shnum; ++i) {
        size_t at = strings->sh_offset + sectionAt(i)->sh_name;
        if (at < bytes.size()) names.emplace_back(bytes.data() + at);
    }
    return names;
}

TEST(Instrumentation, TheLibrariesTestsLinkCarryNoFuzzingCoverage) {
    auto names = ownSectionNames();
    ASSERT_FALSE(names.empty());
    for (const auto& name : names) EXPECT_EQ(name.rfind("__sancov", 0), std::string::npos) << name;
}

}  // namespace
