// The findings of the layout check that are still to be mended, one line each in
// tests/support/layout-known.txt: "Suite.Test | screen | rule | subject". A finding the list names for
// the running test passes; any other fails it; a listed one that a passing test never met fails the
// run at its end, so that the list only shrinks. ZUNO_LAYOUT_RECORD=FILE appends every finding's line
// to FILE instead of failing (for writing the list on purpose). A line marked "? " need not occur.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "support/LayoutCheck.h"

namespace zuno::testing {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "." + info->name() : std::string("(no test)");
}

class KnownList {
public:
    static KnownList& shared() {
        static KnownList list;
        return list;
    }

    bool knows(const std::string& test, const std::string& key) const { return listed(known_, test, key); }
    void met(const std::string& test, const std::string& key) { met_[test].insert(key); }
    // Findings listed for tests that ran and passed here, which never occurred.
    std::vector<std::string> unmet() const {
        std::vector<std::string> out;
        const auto* unit = ::testing::UnitTest::GetInstance();
        for (int s = 0; s < unit->total_test_suite_count(); ++s) {
            const auto* suite = unit->GetTestSuite(s);
            for (int t = 0; t < suite->total_test_count(); ++t) {
                const auto* info = suite->GetTestInfo(t);
                if (!info->should_run() || !info->result() || info->result()->Failed() || info->result()->Skipped()) {
                    continue;
                }
                const std::string test = std::string(info->test_suite_name()) + "." + info->name();
                auto it = known_.find(test);
                if (it == known_.end()) continue;
                for (const auto& key : it->second) {
                    if (!listed(met_, test, key) && !listed(mayOccur_, test, key)) out.push_back(test + " | " + key);
                }
            }
        }
        return out;
    }

private:
    KnownList() {
        std::ifstream in(std::string(ZUNO_SOURCE_DIR) + "/tests/support/layout-known.txt");
        std::string line;
        while (std::getline(in, line)) {
            line = trimmed(line.substr(0, line.find('\t')));
            if (line.empty() || line[0] == '#') continue;
            const bool mayOccur = line.rfind("? ", 0) == 0;
            if (mayOccur) line = line.substr(2);
            const auto bar = line.find(" | ");
            if (bar == std::string::npos) continue;
            known_[line.substr(0, bar)].insert(line.substr(bar + 3));
            if (mayOccur) mayOccur_[line.substr(0, bar)].insert(line.substr(bar + 3));
        }
    }

    using Lines = std::map<std::string, std::set<std::string>>;
    static bool listed(const Lines& lines, const std::string& test, const std::string& key) {
        auto it = lines.find(test);
        return it != lines.end() && it->second.count(key);
    }

    Lines known_;
    Lines mayOccur_;  // lines marked "? ": the robots' timing decides whether they occur
    Lines met_;
};

const char* recordFile() {
    const char* file = std::getenv("ZUNO_LAYOUT_RECORD");
    return file && *file ? file : nullptr;
}

class UnmetKnownFindings : public ::testing::Environment {
    void TearDown() override {
        if (recordFile()) return;
        for (const auto& line : KnownList::shared().unmet()) {
            ADD_FAILURE() << "tests/support/layout-known.txt lists a finding that no longer occurs; remove its line:\n  "
                          << line;
        }
    }
};

[[maybe_unused]] const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new UnmetKnownFindings);

}  // namespace

void expectKnownLayout(const std::vector<LayoutFinding>& findings, const std::string& when) {
    const std::string test = currentTestName();
    auto& list = KnownList::shared();
    static std::set<std::string> reported;
    for (const auto& f : findings) {
        const std::string line = test + " | " + f.key();
        if (const char* file = recordFile()) {
            if (reported.insert(line).second) std::ofstream(file, std::ios::app) << line << "\t# " << f.detail << "\n";
            continue;
        }
        if (list.knows(test, f.key())) {
            list.met(test, f.key());
            continue;
        }
        if (!reported.insert(line).second) continue;
        ADD_FAILURE() << "layout (" << when << "): " << f.rule << " on " << f.screen << ": " << f.subject << "\n    "
                      << f.detail << "\n  its line for tests/support/layout-known.txt, if it is listed on purpose:\n    "
                      << line;
    }
}

void expectWindowsLaidOut(const std::string& when) { expectKnownLayout(checkLayoutOfWindows(), when); }

}  // namespace zuno::testing
