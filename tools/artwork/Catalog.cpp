// The table of every picture: its file name, its size in points and how it is drawn.
// Sizes are the frames the screens show the pictures in; pictures shown stretched get a typical size.

#include <string>

#include "Art.h"

namespace artwork {

namespace {

// The room the action button's pictogram leaves at its right, before the caption.
constexpr int kBarIconGap = 3;

struct Add {
    std::vector<Picture>& list;
    Picture& operator()(std::string name, int w, int h, Kind kind) {
        Picture p;
        p.name = std::move(name) + ".png";
        p.width = w;
        p.height = h;
        p.kind = kind;
        list.push_back(std::move(p));
        return list.back();
    }
};

Picture& with(Picture& p, Tone t, Glyph g = Glyph::None) {
    p.tone = t;
    p.glyph = g;
    return p;
}
Picture& with(Picture& p, std::string text, int a = 0, int b = 0) {
    p.text = std::move(text);
    p.a = a;
    p.b = b;
    return p;
}

void screens(Add add) {
    with(add("bgmain", 480, 320, Kind::Background), "", 0);
    with(add("bg_chess", 480, 320, Kind::Background), "", 1);
    with(add("caro-bg", 480, 320, Kind::Background), "", 2);
    with(add("bg_profile", 480, 290, Kind::Panel), Tone::Night);
    with(add("bg_submenu", 300, 200, Kind::Panel), Tone::Night);
    with(add("caro-bg-menu", 300, 200, Kind::Panel), Tone::Paper);
    with(add("caro-khung-dat-cuoc", 300, 200, Kind::Panel), Tone::Paper);
    with(add("bg-chat", 480, 240, Kind::Panel), Tone::Night);
    with(add("caro-bg-chat", 480, 240, Kind::Panel), Tone::Paper);
    with(add("bg-chat-text-dau", 300, 32, Kind::Field), Tone::Night);
    with(add("bg-chat-text-duoi", 300, 32, Kind::Field), Tone::Slate);
    with(add("caro-k1", 300, 32, Kind::Field), Tone::Paper);
    with(add("caro-k2", 300, 32, Kind::Field), Tone::Ice);
    with(add("textbox400", 400, 32, Kind::Field), Tone::Ice);
    with(add("textbox300", 300, 32, Kind::Field), Tone::Ice);
    with(add("topbar", 480, 30, Kind::Bar), "", 0);
    with(add("phong-tieu-de", 412, 22, Kind::Bar), "", 1);
    with(add("line_server_list", 422, 4, Kind::Bar), "", 2);
    with(add("tab-strip", 450, 24, Kind::Bar), "", 5);  // under the profile's and the shop's tabs
    with(add("pokerMoney_up", 180, 10, Kind::Bar), "", 3);
    with(add("pokerMoney_down", 180, 10, Kind::Bar), "", 4);
    add("pokerMoney_slide", 30, 30, Kind::Slider);
    with(add("zuno", 128, 56, Kind::Logo), Tone::Gold).text = "ZUNO";
    with(add("onlinezuno", 50, 12, Kind::Logo), Tone::Ice).text = "ONLINE";
    add("av0", 50, 50, Kind::Avatar);
    // The avatars the stand-in server sells, as its avatar shop names them: Cat, Robot, Star, Crown.
    with(add("item-avatar-1", 50, 50, Kind::Avatar), Tone::Sky, Glyph::Cat);
    with(add("item-avatar-2", 50, 50, Kind::Avatar), Tone::Jade, Glyph::Robot);
    with(add("item-avatar-3", 50, 50, Kind::Avatar), Tone::Night, Glyph::Star);
    with(add("item-avatar-4", 50, 50, Kind::Avatar), Tone::Plum, Glyph::Crown);
    // An item page's icon while the item's own picture has not come.
    with(add("item-icon", 40, 60, Kind::Icon), Tone::Slate, Glyph::Bag);
    // The layers of the avatar figure the stand-in server sells: each part at one and a half times its
    // place in the figure's 48 x 88 frame, so parts placed at those offsets make one figure. A part is
    // also its item's icon on the shop's pages: five to a row of 316 points, two rows in 130.
    with(with(add("figure-body", 72, 132, Kind::FigurePart), Tone::Wood), "", 0);
    const char* const parts[] = {"hair", "shirt", "trousers", "shoes", "hat"};
    const Tone tones[] = {Tone::Coral, Tone::Sky, Tone::Jade, Tone::Plum};
    for (int part = 0; part < 5; ++part) {
        const FigureCrop& crop = kFigureCrops[part + 1];
        for (int variant = 0; variant < 4; ++variant)
            with(with(add(std::string("figure-") + parts[part] + "-" + std::to_string(variant), 3 * crop.w / 2,
                          3 * crop.h / 2,
                          Kind::FigurePart),
                      tones[variant]),
                 "", part + 1, variant);
    }
}

void buttons(Add add) {
    // Captioned buttons come in both languages, each with its second (lit) animation frame.
    struct Captioned {
        const char* name;
        const char* caption;
        Tone tone;
    };
    const Captioned captioned[] = {
        {"button_dang_nhap", "ĐĂNG NHẬP", Tone::Gold}, {"button_login", "LOGIN", Tone::Gold},
        {"button_dang_ky", "ĐĂNG KÝ", Tone::Jade},     {"button_register", "REGISTER", Tone::Jade},
    };
    for (const auto& c : captioned) {
        with(with(add(c.name, 120, 36, Kind::Button), c.tone), c.caption, 0);
        with(with(add(std::string(c.name) + "1", 120, 36, Kind::Button), c.tone), c.caption, 1);
    }
    with(with(add("icon-trochoi", 100, 100, Kind::Tile), Tone::Coral, Glyph::CardFan), "TRÒ CHƠI");
    with(with(add("icon-games", 100, 100, Kind::Tile), Tone::Coral, Glyph::CardFan), "GAMES");
    // The program's icon on the desktop, installed beside its desktop entry.
    with(add("zuno-icon", 64, 64, Kind::Tile), Tone::Coral, Glyph::Cards);
    with(add("on", 64, 26, Kind::Toggle), "BẬT", 1);
    with(add("off", 64, 26, Kind::Toggle), "TẮT", 0);
    with(add("on1", 64, 26, Kind::Toggle), "ON", 1);
    with(add("off1", 64, 26, Kind::Toggle), "OFF", 0);

    // Blank buttons: the screens put their titles on them. Pairs blink between the two frames.
    struct Blank {
        const char* name;
        int w, h;
        Tone tone;
        int lit;
    };
    const Blank blank[] = {
        {"button_chuc_nang", 100, 36, Tone::Gold, 0}, {"button_chuc_nang2", 100, 36, Tone::Gold, 1},
        {"buton_chuc_nang", 100, 36, Tone::Gold, 0},  {"button_chuc_nang1", 100, 36, Tone::Sky, 0},
    };
    for (const auto& b : blank) with(with(add(b.name, b.w, b.h, Kind::Button), b.tone), "", b.lit);
    // The unread-mail button: an envelope whose flap leaves room for the count drawn over it.
    with(add("new_mail", 44, 32, Kind::Button), Tone::Coral, Glyph::MailClosed);
    // Caro's and Blocks' own buttons, deep under their white titles.
    const Blank deep[] = {
        {"caro-menu-item", 100, 36, Tone::Coral, 0}, {"caro-start", 100, 36, Tone::Coral, 0},
        {"caro-start2", 100, 36, Tone::Coral, 1},    {"blocks_batdau", 100, 36, Tone::Plum, 0},
        {"blocks_batdau1", 100, 36, Tone::Plum, 1},
    };
    for (const auto& b : deep) with(with(add(b.name, b.w, b.h, Kind::Button), b.tone), "", b.lit, 1);

    struct Pictogram {
        const char* name;
        int w, h;
        Tone tone;
        Glyph glyph;
    };
    const Pictogram pictograms[] = {
        {"back", 40, 30, Tone::Sky, Glyph::Back},
        {"show", 40, 30, Tone::Sky, Glyph::Menu},
        {"hide", 40, 30, Tone::Sky, Glyph::Close},
        {"button-dat-cuoc", 40, 36, Tone::Gold, Glyph::Coins},
        {"button-pass", 40, 36, Tone::Slate, Glyph::Lock},
        {"button-moi-choi", 40, 36, Tone::Jade, Glyph::Invite},
        {"button-xin-thua", 40, 36, Tone::Slate, Glyph::WhiteFlag},
        {"button-xin-hoa", 40, 36, Tone::Sky, Glyph::Draw},
        {"caro-toc-do-danh", 40, 36, Tone::Coral, Glyph::Clock},
        {"caro-mat-khau", 40, 36, Tone::Coral, Glyph::Lock},
        {"caro-moi-choi", 40, 36, Tone::Coral, Glyph::Invite},
        {"caro-xin-thua", 40, 36, Tone::Coral, Glyph::WhiteFlag},
        {"caro-xin-hoa", 40, 36, Tone::Coral, Glyph::Draw},
        {"blocks_datmk", 40, 36, Tone::Plum, Glyph::Lock},
        {"blocks_moiban", 40, 36, Tone::Plum, Glyph::Invite},
        // The top-up channels: any channel, then SMS, a charge to the phone account, a scratch card, the
        // hotline and the store.
        {"icon-nap-win", 40, 36, Tone::Gold, Glyph::Coins},
        {"icon-nap-sms", 40, 36, Tone::Sky, Glyph::Sms},
        {"icon-nap-tru-tien", 40, 36, Tone::Jade, Glyph::CreditCard},
        {"icon-nap-the-cao", 40, 36, Tone::Plum, Glyph::ScratchCard},
        {"icon-nap-hotline", 40, 36, Tone::Coral, Glyph::Phone},
        {"icon-nap-store", 40, 36, Tone::Gold, Glyph::ShoppingBag},
        // The bottom bar of the room and table lists: play now, refresh, transfer money, logout.
        {"icon-choi-ngay", 40, 36, Tone::Jade, Glyph::Play},
        {"icon-cap-nhat", 40, 36, Tone::Sky, Glyph::Refresh},
        {"icon-tang-win", 40, 36, Tone::Coral, Glyph::Transfer},
        {"icon-dang-xuat", 40, 36, Tone::Slate, Glyph::Logout},
        {"shop_cart_add", 40, 36, Tone::Jade, Glyph::CartAdd},
        {"shop_cart_remove", 40, 36, Tone::Coral, Glyph::CartRemove},
        {"add", 40, 38, Tone::Jade, Glyph::PersonAdd},
        // The bottom bars of the friends screen and the mailbox: feedback, write, delete all.
        {"icon-gop-y", 40, 32, Tone::Sky, Glyph::Speech},
        {"icon-nhan-tin", 40, 32, Tone::Jade, Glyph::MailClosed},
        {"icon-xoa-het", 40, 32, Tone::Coral, Glyph::Bin},
        // The card table's bottom bar.
        {"button-ban-cai-dat", 40, 36, Tone::Slate, Glyph::Gear},
        {"button-ban-chat", 40, 36, Tone::Sky, Glyph::Speech},
        {"button-ban-bo-luot", 40, 36, Tone::Coral, Glyph::Hand},
        {"button-ban-tu-chon", 40, 36, Tone::Jade, Glyph::Cards},
        {"button-ban-duoi", 40, 36, Tone::Plum, Glyph::Close},
        // Main-menu tiles; their captions are labels of the menu screen.
        {"tile-profile", 46, 46, Tone::Sky, Glyph::Person},
        {"tile-friends", 46, 46, Tone::Jade, Glyph::People},
        {"tile-mail", 46, 46, Tone::Gold, Glyph::MailClosed},
        {"tile-money", 46, 46, Tone::Gold, Glyph::Coins},
        {"tile-shop", 46, 46, Tone::Coral, Glyph::ShoppingBag},
        {"tile-ranking", 46, 46, Tone::Plum, Glyph::Trophy},
        {"tile-event", 46, 46, Tone::Coral, Glyph::Calendar},
        {"tile-settings", 46, 46, Tone::Slate, Glyph::Gear},
        // Game-list tiles; their captions are labels of the game list.
        {"game-tienlen", 72, 72, Tone::Coral, Glyph::CardFan},
        {"game-tienlenmb", 72, 72, Tone::Plum, Glyph::CardFan},
        {"game-phom", 72, 72, Tone::Jade, Glyph::CardFan},
        {"game-cotuong", 72, 72, Tone::Coral, Glyph::XiangqiDisc},
        {"game-covua", 72, 72, Tone::Slate, Glyph::ChessKnight},
        {"game-baicao", 72, 72, Tone::Gold, Glyph::CardFan},
        {"game-xizach", 72, 72, Tone::Sky, Glyph::CardFan},
        {"game-caro", 72, 72, Tone::Sky, Glyph::XO},
        {"game-blocks", 72, 72, Tone::Plum, Glyph::Blocks},
        {"game-poker", 72, 72, Tone::Gold, Glyph::PokerChip},
        {"game-more", 72, 72, Tone::Sky, Glyph::Plus},
    };
    for (const auto& g : pictograms) {
        const std::string name = g.name;
        Kind kind = name.rfind("tile-", 0) == 0 || name.rfind("game-", 0) == 0 ? Kind::Tile : Kind::IconButton;
        with(add(g.name, g.w, g.h, kind), g.tone, g.glyph);
    }

    // The card tables' bottom-bar roles: the action button's, dark on its yellow (three points wider than
    // the pictogram, so that the caption laid after it keeps clear of it), and those of the second and
    // pick buttons, on tiles like the bar's other buttons.
    for (const char* role : {"start", "ready", "not-ready", "play", "pass", "continue", "show-all", "draw", "eat",
                             "lay-down", "send"}) {
        with(add(std::string("bar-") + role, 24 + kBarIconGap, 24, Kind::BarIcon), role, 0, 0);
    }
    struct TileRole {
        const char* name;
        const char* pictogram;
        Tone tone;
    };
    const TileRole tileRoles[] = {
        {"bar-options", "options", Tone::Slate}, {"bar-pick", "pick", Tone::Jade},
        {"bar-stake", "stake", Tone::Gold},      {"bar-show-one", "show-one", Tone::Sky},
        {"bar-stand", "stand", Tone::Coral},     {"bar-take-card", "draw", Tone::Sky},
        {"bar-stop-sending", "stop", Tone::Coral},
    };
    for (const auto& r : tileRoles) with(with(add(r.name, 30, 30, Kind::BarIcon), r.tone), r.pictogram, 0, 1);

    // Tabs: friend and chat tabs, profile and shop tab strips.
    with(with(add("tabFriend", 90, 24, Kind::Tab), Tone::Sky), "", 3, 1);
    with(with(add("tabFriend_nen", 90, 24, Kind::Tab), Tone::Sky), "", 3, 0);
    with(with(add("buttonFriend", 90, 24, Kind::Tab), Tone::Gold, Glyph::People), "", 3, 1);
    with(with(add("buttonFriend_nen", 90, 24, Kind::Tab), Tone::Gold, Glyph::People), "", 3, 0);
    const char* const selected[] = {"cua-hang1", "cua-hang2", "cua-hang3"};
    const char* const plain[] = {"shop_menu_dau", "shop_menu_giua", "shop_menu_cuoi"};
    for (int i = 0; i < 3; ++i) {
        with(with(add(selected[i], 96, 30, Kind::Tab), Tone::Gold), "", i, 1);
        with(with(add(plain[i], 96, 30, Kind::Tab), Tone::Gold), "", i, 0);
    }
    with(with(add("tab_action", 96, 30, Kind::Tab), Tone::Gold), "", 3, 1);
    with(with(add("tab_unaction", 96, 30, Kind::Tab), Tone::Gold), "", 3, 0);

    with(with(add("en", 32, 22, Kind::Flag), Tone::Sky), "EN");
    with(with(add("vi", 32, 22, Kind::Flag), Tone::Coral), "VI");
}

void icons(Add add) {
    struct Bare {
        const char* name;
        int w, h;
        Tone tone;
        Glyph glyph;
    };
    const Bare bare[] = {
        {"area", 30, 55, Tone::Ice, Glyph::Server},
        {"email", 60, 45, Tone::Gold, Glyph::MailClosed},    {"email_new", 32, 32, Tone::Gold, Glyph::MailClosed},
        {"email_old", 32, 32, Tone::Slate, Glyph::MailOpen}, {"online", 16, 16, Tone::Jade, Glyph::Dot},
        {"upline", 16, 16, Tone::Slate, Glyph::Dot},         {"icon-thanh-tich", 30, 30, Tone::Gold, Glyph::Trophy},
        {"credit_card", 32, 32, Tone::Ice, Glyph::CreditCard}, {"37x-Checkmark", 37, 37, Tone::Ice, Glyph::Check},
        // Pictures the stand-in server sends: gift items and presents.
        {"item-gift-1", 40, 40, Tone::Coral, Glyph::Gift},    {"item-gift-2", 40, 40, Tone::Gold, Glyph::Star},
        {"item-gift-3", 40, 40, Tone::Jade, Glyph::Crown},    {"item-gift-4", 40, 40, Tone::Sky, Glyph::Trophy},
        {"item-gift-5", 40, 40, Tone::Plum, Glyph::Coins},    {"item-gift-6", 40, 40, Tone::Coral, Glyph::Bag},
        {"item-present", 40, 40, Tone::Gold, Glyph::Gift},    {"item-lucky-envelope", 40, 40, Tone::Coral, Glyph::RedEnvelope},
        {"blueArrow", 30, 55, Tone::Sky, Glyph::ArrowDown},  {"btn_star_big_on", 32, 32, Tone::Gold, Glyph::Star},
        {"moneyicon3", 24, 24, Tone::Gold, Glyph::Coin},     {"moneyicon4", 24, 24, Tone::Gold, Glyph::Coins},
        {"moneyicon1", 24, 24, Tone::Gold, Glyph::Bag},
        // The links of the login screen, the main menu and the game list.
        {"link-guide", 40, 36, Tone::Gold, Glyph::Book},     {"link-terms", 40, 36, Tone::Ice, Glyph::Document},
        {"link-feedback", 40, 36, Tone::Sky, Glyph::Speech}, {"link-hotline", 40, 36, Tone::Jade, Glyph::Phone},
        {"link-tell-friend", 40, 36, Tone::Plum, Glyph::TellFriend},
        {"link-logout", 40, 36, Tone::Coral, Glyph::Logout},
    };
    for (const auto& b : bare) with(add(b.name, b.w, b.h, Kind::Icon), b.tone, b.glyph);

    struct Round {
        const char* name;
        int side;
        Tone tone;
        Glyph glyph;
    };
    const Round round[] = {
        // The mark of a table with a password on the table list, named "clock" by the client.
        {"clock", 16, Tone::Night, Glyph::Lock},
        {"boss", 24, Tone::Gold, Glyph::Crown},       {"owner", 24, Tone::Coral, Glyph::Crown},
        {"ready", 24, Tone::Jade, Glyph::Check},      {"ok", 24, Tone::Sky, Glyph::Check},
        {"avatar_icon_buy", 20, Tone::Jade, Glyph::Check}, {"avatar_icon_cart", 20, Tone::Coral, Glyph::CartAdd},
        {"blocks_Win", 40, Tone::Coral, Glyph::Bomb}, {"blocks_Enemy", 40, Tone::Sky, Glyph::Pennant},
        {"SNDialog.bundle/images/close", 24, Tone::Slate, Glyph::Close},
    };
    for (const auto& r : round) with(add(r.name, r.side, r.side, Kind::Badge), r.tone, r.glyph);

    // Finishing places 1st to 4th, and the Phom end-of-hand marks.
    const Tone places[] = {Tone::Gold, Tone::Slate, Tone::Wood, Tone::Night};
    for (int i = 0; i < 4; ++i) with(with(add("p" + std::to_string(i), 36, 36, Kind::Medal), places[i]), std::to_string(i + 1));
    struct Word {
        const char* name;
        const char* text;
        Tone tone;
    };
    // The Poker table's markers (dealer, small and big blind, ante) and its bet chip.
    const Word pokerMarks[] = {{"poker_dealer", "D", Tone::Paper}, {"poker_small", "S", Tone::Sky},
                               {"poker_big", "B", Tone::Coral}, {"poker_ante", "A", Tone::Plum}};
    for (const auto& m : pokerMarks) with(with(add(m.name, 16, 16, Kind::Token), m.tone), m.text);
    add("poker_chip", 12, 12, Kind::Chip);

    // Phom's end-of-hand marks, the same in every language: first, last, no melds, a full hand (U),
    // pays for all.
    for (int mark = 0; mark < 5; ++mark) with(add("p_phomtext_0" + std::to_string(mark + 2), 80, 30, Kind::EndMark), "", mark);

    // The gifts the stand-in server sells by category, named after the item.
    for (const char* flower : {"rose", "tulip", "lily", "lotus", "orchid", "daisy", "peony", "aster", "camellia",
                               "violet", "sunflower", "jasmine", "magnolia"}) {
        with(add(std::string("item-flower-") + flower, 40, 40, Kind::Gift), flower);
    }
    for (const char* drink : {"tea", "coffee", "juice", "coconut"}) with(add(std::string("item-drink-") + drink, 40, 40, Kind::Gift), drink);

    // Table list: seat markers, table pictures, room levels and the occupancy bar.
    with(add("01-1", 18, 26, Kind::Seat), "", 1, 0);
    with(add("01-2", 18, 26, Kind::Seat), "", 1, 1);
    with(add("01-3", 18, 26, Kind::Seat), "", 0, 1);
    with(add("01-4", 18, 26, Kind::Seat), "", 0, 0);
    with(add("dsbanthuong", 55, 33, Kind::TableTop), Tone::Jade);
    with(add("dsbandaigia", 55, 33, Kind::TableTop), Tone::Sky);
    with(add("dsbanvip", 55, 33, Kind::TableTop), Tone::Plum);
    with(add("ban-choi", 350, 170, Kind::TableTop), Tone::Jade);  // the card table's top
    // The Poker table's, at its playing size; its deck is a view of the table's own (a = 1: no deck drawn).
    with(with(add("ban-choi-poker", 420, 240, Kind::TableTop), Tone::Jade), "", 1);
    with(with(add("phong-binh-dan", 25, 26, Kind::RoomLevel), Tone::Wood), "", 1);
    with(with(add("phong-dai-gia", 25, 26, Kind::RoomLevel), Tone::Sky), "", 2);
    with(with(add("phong-vip", 25, 26, Kind::RoomLevel), Tone::Gold), "", 3);
    with(add("limit", 10, 11, Kind::Occupancy), "", 0);
    with(add("full", 10, 11, Kind::Occupancy), "", 1);
    with(add("empty", 10, 11, Kind::Occupancy), "", 2);

    // Chat bubbles: wide and narrow seat bubbles, wide and narrow notices, per table style.
    struct Bubble {
        const char* name;
        int w, h, shape;
        Tone tone;
    };
    const Bubble bubbles[] = {
        {"ccchat1", 220, 48, 0, Tone::Ice},   {"ccchat2", 170, 48, 0, Tone::Ice},
        {"ccchat4", 220, 40, 1, Tone::Paper}, {"ccchat5", 160, 40, 1, Tone::Paper},
        // The Caro table's bubbles lie on its light paper, under white text.
        {"caro-khung-chat-1", 220, 48, 0, Tone::Night}, {"caro-khung-chat-2", 170, 48, 0, Tone::Night},
        {"caro-khung-chat-4", 220, 40, 1, Tone::Slate}, {"caro-khung-chat-5", 160, 40, 1, Tone::Slate},
        {"blocks-khung-chat-1", 220, 48, 0, Tone::Night}, {"blocks-khung-chat-2", 170, 48, 0, Tone::Night},
        {"ban-khung-chat", 170, 40, 1, Tone::Night},  // the card table's seat bubbles, under white text
    };
    for (const auto& b : bubbles) with(with(add(b.name, b.w, b.h, Kind::Bubble), b.tone), "", b.shape);

    for (const char* mood : {"smile", "sad", "laugh", "wink", "tongue", "surprised", "silent", "cry", "cool",
                             "kiss", "angry", "heart"}) {
        with(add(std::string("emo_") + mood, 24, 24, Kind::Face), mood);
    }
}

void cards(Add add) {
    for (int id = 1; id <= 51; ++id) with(add(std::to_string(id), 60, 80, Kind::Card), "", id);
    with(add("100", 60, 80, Kind::Card), "", 100);
    add("baiti", 60, 80, Kind::CardBack);
    add("52", 80, 54, Kind::Deck);
    // Turn clocks: card tables count t1 (full) to t20, Co Tuong and Co Vua ct20 (full) down to ct1,
    // Caro caro-0 (full) to caro-29 (a ring without a count: its frames last a move of any length).
    for (int k = 1; k <= 20; ++k) with(with(add("t" + std::to_string(k), 40, 40, Kind::Timer), Tone::Night), "", 21 - k, 20);
    for (int k = 1; k <= 20; ++k) with(with(add("ct" + std::to_string(k), 40, 40, Kind::Timer), Tone::Wood), "", k, 20);
    for (int k = 0; k < 30; ++k) with(with(add("caro-" + std::to_string(k), 40, 40, Kind::Timer), Tone::Slate), "ring", 30 - k, 30);
}

void boards(Add add) {
    struct Piece {
        const char* kind;
        const char* red;
        const char* black;
    };
    const Piece pieces[] = {{"jiang", "帥", "將"}, {"shi", "仕", "士"}, {"xiang", "相", "象"}, {"ma", "傌", "馬"},
                            {"ju", "俥", "車"},    {"pao", "炮", "砲"}, {"zu", "兵", "卒"}};
    for (const auto& p : pieces) {
        with(add(std::string("r_") + p.kind, 34, 34, Kind::XiangqiPiece), p.red, 0);
        with(add(std::string("b_") + p.kind, 34, 34, Kind::XiangqiPiece), p.black, 1);
    }
    add("board-chess", 326, 320, Kind::XiangqiBoard);
    with(add("border-detech-eat", 22, 22, Kind::Marker), "", 3);
    with(add("border-moved", 30, 30, Kind::Marker), "", 1);
    with(add("border-still-moved", 24, 24, Kind::Marker), "", 2);

    for (int colour = 1; colour <= 2; ++colour) {
        for (int type = 1; type <= 6; ++type) {
            int code = colour * 10 + type;
            with(add("qc_" + std::to_string(code), 30, 30, Kind::ChessPiece), "", code);
        }
    }
    with(add("ov", 30, 30, Kind::Marker), "", 0);
    // Co Vua's square marks: the selected piece's square, the square the last move left, a king in check.
    with(add("covua-selected", 30, 30, Kind::Marker), "", 4);
    with(add("covua-last-move", 30, 30, Kind::Marker), "", 5);
    with(add("covua-check", 30, 30, Kind::Marker), "", 6);
    add("board-covua", 304, 304, Kind::ChessBoard);

    for (int set = 1; set <= 6; ++set) {
        with(add("x" + std::to_string(set), 28, 28, Kind::Stone), "x", set);
        with(add("o" + std::to_string(set), 28, 28, Kind::Stone), "o", set);
    }
    add("caro-grid", 560, 560, Kind::CaroGrid);

    const char* const cells[] = {"gach-blue-nhat", "gach-cray", "gach-blue", "gach-green", "gach-chuoi",
                                 "gach-tim",       "gach-do",   "gach-vang", "gach-cuoi",  "gach-spawn"};
    for (int v = 1; v <= 10; ++v) with(add(cells[v - 1], 18, 18, Kind::Block), "", v);
    add("blocks-well", 184, 364, Kind::Well);
}

}  // namespace

const std::vector<Picture>& catalog() {
    static const std::vector<Picture> all = [] {
        std::vector<Picture> list;
        Add add{list};
        screens(add);
        buttons(add);
        icons(add);
        cards(add);
        boards(add);
        return list;
    }();
    return all;
}

}  // namespace artwork
