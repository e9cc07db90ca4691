#include <gtest/gtest.h>

#include "shell/Resources.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {
std::string report(int8_t result, int32_t dExp, int32_t dMoney, int32_t dExpPercent) {
    MatchResultInfo info;
    info.setName("nam");
    info.setResult(result);
    info.setD_exp(dExp);
    info.setD_money(dMoney);
    info.setD_exp_percent(dExpPercent);
    UIController::startReportDlg(info);
    return UIController::shownDialogMessage().value_or("<no dialog>");
}
}  // namespace

TEST(UIControllerReport, OutcomeThenLevelThenMoney) {
    // Each figure stands apart from its name and from the currency, as the language writes it.
    EXPECT_EQ(report(1, 30, 1234567, 15), "nam: Won\nLevel: +15%\nMoney: +1,234,567 Xu");
    EXPECT_EQ(report(-1, -4, -1000, -3), "nam: Lost\nLevel: -3%\nMoney: -1,000 Xu");
    // Any result but 0 and -1 counts as a win.
    EXPECT_EQ(report(3, 0, 10, 0), "nam: Won\nLevel: +0%\nMoney: +10 Xu");
    // Experience moved but no money: still both lines with their signs.
    EXPECT_EQ(report(0, 5, 0, 1), "nam: Draw\nLevel: +1%\nMoney: +0 Xu");
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    EXPECT_EQ(report(-1, -4, -1000, -3), "nam: Thua\nCấp độ: -3%\nTiền: -1,000 Xu");
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
}

TEST(UIControllerReport, NothingChangedShowsTheNoChangeLineAndTheMoneyWordAlone) {
    EXPECT_EQ(report(0, 0, 0, 7), "nam: Draw\nNo change in level or money\nMoney");
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    EXPECT_EQ(report(-1, 0, 0, 0), "nam: Thua\nKhông thay đổi cấp độ và tiền\nTiền");
}
