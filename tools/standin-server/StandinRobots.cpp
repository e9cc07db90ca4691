#include "standin-server/StandinRobots.h"

#include <optional>
#include <string>
#include <vector>

namespace zuno::standin {

namespace {
struct Robot {
    const char* name;
    int64_t money;
    int16_t avatar;
    int32_t exp;
    int32_t won, lost, drawn, givenUp;
    const char* status;  // null: none
    bool online;
};

// Ids follow the order from kFirstRobotId; the first two are the Tien Len table's An and Binh.
constexpr Robot kRobots[] = {
    {"An", 2400000, 1, 820, 310, 205, 12, 4, "Tien Len every night :)", true},
    {"Binh", 1750000, 2, 640, 240, 230, 9, 7, nullptr, true},
    {"Chi", 980000, 3, 410, 150, 120, 6, 2, "Hello everyone <3", true},
    {"Dung", 3100000, 4, 1290, 520, 410, 21, 3, "Winning streak B-)", true},
    {"Giang", 450000, 5, 220, 80, 95, 4, 9, "Busy, back soon", true},
    {"Ha", 1200000, 1, 530, 200, 180, 10, 1, "Out for lunch :(", false},
    {"Hung", 6800000, 2, 2210, 900, 610, 33, 6, "Poker is life ;)", false},
    {"Khanh", 720000, 3, 300, 110, 100, 3, 5, nullptr, true},
    {"Lan", 2050000, 4, 760, 290, 250, 15, 2, "Phom anyone? :D", true},
    {"Long", 15000000, 5, 3480, 1400, 980, 41, 12, "Top of the table", false},
    {"Mai", 530000, 1, 190, 70, 75, 2, 0, "New here :P", true},
    {"Minh", 8900000, 2, 2750, 1100, 870, 28, 8, "Co Tuong master", false},
    {"Nam", 1430000, 3, 580, 220, 205, 11, 4, nullptr, true},
    {"Nga", 260000, 4, 120, 40, 60, 1, 3, "Learning the rules :O", false},
    {"Phuong", 4300000, 5, 1630, 650, 540, 19, 5, "Good luck all", true},
    {"Quang", 11200000, 1, 3010, 1250, 900, 37, 10, "Xi Zach only B-)", false},
    {"Son", 890000, 2, 350, 130, 140, 7, 6, nullptr, true},
    {"Thao", 3650000, 3, 1420, 560, 470, 24, 2, "Caro five in a row :)", true},
    {"Thu", 610000, 4, 260, 95, 90, 5, 1, "Autumn :'(", false},
    {"Trang", 5200000, 5, 1880, 740, 600, 26, 7, "Invite me <3", true},
    {"Tuan", 9700000, 1, 2950, 1180, 860, 30, 9, "Bai Cao king", false},
    {"Van", 340000, 2, 150, 55, 70, 3, 2, nullptr, true},
    {"Viet", 7400000, 3, 2380, 960, 700, 22, 4, "Chess at dawn", true},
    {"Xuan", 1980000, 4, 700, 270, 240, 13, 3, "Spring is here :D", false},
    {"Yen", 2600000, 5, 950, 360, 300, 16, 5, "Quiet player X-(", true},
};
static_assert(sizeof kRobots / sizeof kRobots[0] == StandinRobots::kRobotCount);
}  // namespace

void StandinRobots::addTo(StandinSignIn& signIn) {
    StandinAccount demo{"demo", "demo", kDemoId, 5000000, 1, 350};
    demo.won = 120;
    demo.lost = 98;
    demo.drawn = 7;
    demo.givenUp = 3;
    demo.friendIds.assign(kDemoFriends.begin(), kDemoFriends.end());
    signIn.addAccount(std::move(demo));

    int32_t id = kFirstRobotId;
    for (const Robot& r : kRobots) {
        StandinAccount robot{r.name, "", id, r.money, r.avatar, r.exp};
        robot.won = r.won;
        robot.lost = r.lost;
        robot.drawn = r.drawn;
        robot.givenUp = r.givenUp;
        if (r.status != nullptr) robot.status = std::string(r.status);
        robot.robot = true;
        robot.robotOnline = r.online;
        // The demo account's friends: the first three online, the other two not.
        for (size_t i = 0; i < kDemoFriends.size(); ++i) {
            if (kDemoFriends[i] != id) continue;
            robot.robotOnline = i < 3;
            robot.friendIds.push_back(kDemoId);
        }
        signIn.addAccount(std::move(robot));
        ++id;
    }
}

}  // namespace zuno::standin
