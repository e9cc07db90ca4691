#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The figures of each game shown by the achievements tab, kept by game type: a record of a game not
// listed is ignored, a second record of a game replaces the first, figures past the five captions are
// dropped.
class AchievementRecords {
public:
    static constexpr size_t kFigures = 5;  // experience, won, lost, drawn, given up

    explicit AchievementRecords(std::vector<int> games) : games_(std::move(games)) {}

    // The record: the game type, then its figures. False when ignored.
    bool add(const std::vector<int32_t>& record);
    const std::vector<int>& games() const { return games_; }
    // The figures of the game in that section (empty while none arrived).
    std::vector<int32_t> figuresOfSection(int section) const;
    // The language key of a game's section title.
    static std::string titleKey(int gameType);

private:
    std::vector<int> games_;
    std::map<int, std::vector<int32_t>> figures_;
};

// The achievements tab of the own profile: one section per game (only Poker is listed), each with the
// player's experience and games won, lost, drawn and given up.
class UserAchievementView : public ZunoViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr int kPokerGame = 4;

    UserAchievementView() : UserAchievementView("UserAchievementView") {}
    explicit UserAchievementView(std::string nibName);

    void viewDidLoad() override;
    void updateViewWithAchievement(const std::vector<int32_t>& record, int askedGame);
    void forceReloadTableView();
    const AchievementRecords& records() const { return records_; }

    int numberOfSectionsInTableView(ui::TableView& table) override;
    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::shared_ptr<ui::View> viewForHeaderInSection(ui::TableView& table, int section) override;
    std::optional<double> heightForHeaderInSection(ui::TableView& table, int section) override;
    std::optional<ui::IndexPath> willSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    std::shared_ptr<ui::TableView> myTableView;

private:
    AchievementRecords records_{{kPokerGame}};
    std::vector<std::string> listDefineInfos;
};

}  // namespace zuno
