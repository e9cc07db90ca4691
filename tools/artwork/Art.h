#pragma once

// The picture generator's shared vocabulary: what a picture is, the palette, and the drawing helpers.
// Every picture is drawn in points (its own width and height); the caller scales the context.

#include <cairo.h>

#include <string>
#include <vector>

namespace artwork {

struct Rgb {
    double r = 0, g = 0, b = 0, a = 1;
};
Rgb hex(unsigned rgb, double alpha = 1);
Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
void setColour(cairo_t* cr, Rgb c);

// A colour scheme for buttons, tabs, badges and panels.
enum class Tone { Gold, Jade, Sky, Coral, Plum, Slate, Paper, Wood, Night, Ice };
struct ToneColours {
    Rgb light, dark, edge, text;
};
ToneColours tone(Tone t);

// The pictograms shared by icons, icon buttons and tiles.
enum class Glyph {
    None, Back, Menu, Close, Lock, Invite, WhiteFlag, Draw, Coin, Clock, CartAdd, CartRemove, Server,
    Crown, Check, Star, Trophy, MailClosed, MailOpen, PersonAdd, Person, People, CreditCard, Bomb,
    Pennant, Dot, ArrowDown, Cards, Gear, Gift, Bag, Chart, Hand, Coins,
    // The links of the main menu and the game list.
    Book, Document, Speech, Phone, TellFriend, Logout,
    // Tiles of the main menu and the game list.
    CardFan, Calendar, ShoppingBag, XiangqiDisc, ChessKnight, XO, Blocks, PokerChip, Plus,
    // Avatar figures and presents.
    Cat, Robot, RedEnvelope,
    // The room list's and the mailbox's bars: refresh, pass money on, delete all.
    Refresh, Transfer, Bin, Play,
    // The top-up channels: a text message from a phone, a scratch card.
    Sms, ScratchCard
};

enum class Kind {
    Background,  // full-screen backdrops: a = pattern (0 felt, 1 wood, 2 paper grid, 3 panel)
    Panel,       // sheets and frames behind controls
    Bar,         // top bar, header bands, separators, slider tracks, the tab strip: a = style
    Field,       // text field frames
    Button,      // rounded caption buttons: text = caption, a = 1 for the lit or pressed frame, b = 1 a deep
                 // body under white titles
    Tab,         // tab shapes: a = 0 left, 1 middle, 2 right, 3 single; b = 1 selected
    Toggle,      // on / off switch with a caption: a = 1 on
    IconButton,  // a rounded square with a pictogram
    Icon,        // a bare pictogram
    Tile,        // a large menu tile with a pictogram and an optional caption
    Card,        // a = card image number
    CardBack,
    Deck,
    XiangqiPiece,  // text = character, a = 0 red, 1 black
    XiangqiBoard,
    ChessPiece,    // a = piece code (colour * 10 + type)
    ChessBoard,
    Marker,        // board marks: a = 0 reachable dot, 1 last-move frame, 2 left square, 3 capture hint
    Stone,         // caro stones: text = "x" or "o", a = set 1..6
    CaroGrid,
    Block,         // falling-block cells: a = cell value 1..10
    Well,
    Timer,         // a = remaining steps, b = all steps, tone = ring colour scheme
    Bubble,        // chat bubbles: a = 0 tail down-left, 1 no tail; tone = bubble scheme
    Face,          // emoticons: text = mood
    Badge,         // round or pill badge with text
    Medal,         // finishing place: text = number
    Logo,          // the wordmark: text
    Avatar,      // a portrait: tone = backdrop, glyph = figure (a person when none)
    Seat,          // table-list seat markers: a = 1 taken, b = colour variant
    TableTop,      // table-list table pictures: tone by room level
    RoomLevel,     // a = stars 1..3
    Occupancy,     // a = 0 end mark, 1 full cell, 2 empty cell
    Flag,          // language badge: text = code
    Slider,        // poker slider thumb
    FigurePart,    // one layer of the layered avatar figure: a = 0 body, 1 hair, 2 shirt, 3 trousers, 4 shoes, 5 hat;
                   // b = the variant
    BarIcon,       // a card table's bottom-bar role: text = pictogram; b = 1 on a tile of the tone, 0 dark ink alone
    Token,         // a Poker table token (dealer, blinds, ante): text = letter on a disc of the tone
    Chip,          // the bet chip
    EndMark,       // a Phom end-of-hand mark: a = 0 first, 1 last, 2 no melds, 3 full hand, 4 pays for all
    Gift,          // a gift sent at a table: text = flower or drink
};

struct Picture {
    std::string name;
    int width = 0, height = 0;
    Kind kind = Kind::Icon;
    std::string text;
    int a = 0, b = 0;
    Tone tone = Tone::Gold;
    Glyph glyph = Glyph::None;
};

// Every picture the client names, in a fixed order.
const std::vector<Picture>& catalog();

// Draws one picture into a context already scaled to the wanted device scale.
void paint(cairo_t* cr, const Picture& p);

// Helpers shared by the painters.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Adds a circle as a path of its own.
void disc(cairo_t* cr, double cx, double cy, double r);
// Fills the current path and strokes its outline over it.
void fillAndStroke(cairo_t* cr, Rgb fill, Rgb outline, double width);
// Strokes a straight line of the given width; fills a triangle.
void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width);
void fillTriangle(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2);
void verticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
enum class Font { Sans, Han, Symbols };
// Centres a line of text in the box, shrinking it until it fits.
void text(cairo_t* cr, const std::string& s, double x, double y, double w, double h, double size, Rgb colour,
          Font font = Font::Sans, bool bold = true);
// The same with a soft dark shadow under the text, for captions on coloured buttons.
void caption(cairo_t* cr, const std::string& s, double x, double y, double w, double h, double size, Rgb colour);
void glyph(cairo_t* cr, Glyph g, double x, double y, double w, double h, Rgb ink);

// The painters, one per family.
void paintCard(cairo_t* cr, const Picture& p);
void paintCardBack(cairo_t* cr, double x, double y, double w, double h);
void paintDeck(cairo_t* cr, const Picture& p);
void paintXiangqiPiece(cairo_t* cr, const Picture& p);
void paintXiangqiBoard(cairo_t* cr, const Picture& p);
void paintChessPiece(cairo_t* cr, const Picture& p);
// A Co Vua piece of a type (1 pawn, 2 knight, 3 bishop, 4 rook, 5 queen, 6 king) in a 30 x 30 box:
// its outline as sub-paths to fill and edge, and its inner lines, drawn in the edge's colour.
void chessPieceOutline(cairo_t* cr, int type);
void chessPieceDetail(cairo_t* cr, int type);
void paintChessBoard(cairo_t* cr, const Picture& p);
void paintMarker(cairo_t* cr, const Picture& p);
void paintStone(cairo_t* cr, const Picture& p);
void paintCaroGrid(cairo_t* cr, const Picture& p);
void paintBlock(cairo_t* cr, const Picture& p);
void paintWell(cairo_t* cr, const Picture& p);
void paintBackground(cairo_t* cr, const Picture& p);
void paintPanel(cairo_t* cr, const Picture& p);
void paintBar(cairo_t* cr, const Picture& p);
void paintField(cairo_t* cr, const Picture& p);
void paintButton(cairo_t* cr, const Picture& p);
void paintTab(cairo_t* cr, const Picture& p);
void paintToggle(cairo_t* cr, const Picture& p);
void paintIconButton(cairo_t* cr, const Picture& p);
void paintTile(cairo_t* cr, const Picture& p);
void paintTimer(cairo_t* cr, const Picture& p);
void paintBubble(cairo_t* cr, const Picture& p);
void paintFace(cairo_t* cr, const Picture& p);
void paintBadge(cairo_t* cr, const Picture& p);
void paintMedal(cairo_t* cr, const Picture& p);
void paintLogo(cairo_t* cr, const Picture& p);
void paintFigurePart(cairo_t* cr, const Picture& p);
void paintBarIcon(cairo_t* cr, const Picture& p);
void paintToken(cairo_t* cr, const Picture& p);
void paintChip(cairo_t* cr, const Picture& p);
void paintEndMark(cairo_t* cr, const Picture& p);
void paintGift(cairo_t* cr, const Picture& p);
// Where each part of the figure lies in its 48 x 88 frame (body, hair, shirt, trousers, shoes, hat).
struct FigureCrop {
    int x, y, w, h;
};
extern const FigureCrop kFigureCrops[6];
void paintAvatar(cairo_t* cr, const Picture& p);
void paintSeat(cairo_t* cr, const Picture& p);
void paintTableTop(cairo_t* cr, const Picture& p);
void paintRoomLevel(cairo_t* cr, const Picture& p);
void paintOccupancy(cairo_t* cr, const Picture& p);
void paintFlag(cairo_t* cr, const Picture& p);
void paintSlider(cairo_t* cr, const Picture& p);

}  // namespace artwork
