#include <gtest/gtest.h>

#include "platform/ui/Font.h"
#include "platform/ui/HtmlText.h"
#include "platform/ui/Label.h"
#include "support/TextRecorder.h"

namespace zuno::ui::test {
namespace {

TEST(FontTest, MeasuresGrowWithTextAndSizeAndBoldness) {
    Font f = Font::systemFontOfSize(14);
    EXPECT_EQ(f.widthOfText(""), 0);
    double a = f.widthOfText("a"), aa = f.widthOfText("aa");
    EXPECT_GT(a, 0);
    EXPECT_NEAR(aa, 2 * a, 0.01);
    EXPECT_GT(Font::systemFontOfSize(28).widthOfText("Zuno"), 1.9 * f.widthOfText("Zuno"));
    EXPECT_GT(Font::boldSystemFontOfSize(14).widthOfText("Zuno online"), f.widthOfText("Zuno online"));
    EXPECT_NEAR(f.lineHeight(), f.ascender() + f.descender(), 1e-9);
    EXPECT_GT(f.lineHeight(), 14);
    EXPECT_LT(f.lineHeight(), 20);
    EXPECT_TRUE(Font::fontWithName("Helvetica-Bold", 12).isBold());
    EXPECT_FALSE(Font::fontWithName("Helvetica", 12).isBold());
}

TEST(FontTest, WrapsAtSpacesKeepsLineBreaksAndCutsWithDots) {
    Font f = Font::systemFontOfSize(14);
    double word = f.widthOfText("chào bạn");
    auto lines = f.wrap("chào bạn chào bạn chào bạn", word + 2, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"chào bạn", "chào bạn", "chào bạn"}));
    EXPECT_EQ(f.wrap("one\ntwo", 500, 0), (std::vector<std::string>{"one", "two"}));
    auto two = f.wrap("chào bạn chào bạn chào bạn", word + 2, 2, LineBreakMode::TailTruncation);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].substr(two[1].size() - 3), "...");
    EXPECT_LE(f.widthOfText(two[1]), word + 2);
    // A truncating label of several lines still breaks between words (an alert's message).
    EXPECT_EQ(f.wrap("to a Tien Len table.", f.widthOfText("to a Tien Len tabl"), 3, LineBreakMode::TailTruncation),
              (std::vector<std::string>{"to a Tien Len", "table."}));
    EXPECT_EQ(f.truncate("Tiến lên miền Nam", f.widthOfText("Tiến lên..."), LineBreakMode::TailTruncation),
              "Tiến lên...");
}

// A word wider than the line is never broken inside: an address breaks after one of its "/" (not
// inside "//"; the first beyond the width when none fits), anything else stays whole, wider than the
// line, for its label to show as it cuts.
// Only character wrapping breaks between any two characters.
TEST(FontTest, ALongWordBreaksAfterASlashOrNotAtAll) {
    Font f = Font::systemFontOfSize(16);
    const std::string address = "http://127.0.0.1:20106/download";
    EXPECT_EQ(f.wrap("Copy it: " + address, f.widthOfText("http://127.0.0.1:20106/dow"), 0),
              (std::vector<std::string>{"Copy it:", "http://127.0.0.1:20106/", "download"}));
    EXPECT_EQ(f.wrap(address, f.widthOfText("http://127"), 0),
              (std::vector<std::string>{"http://", "127.0.0.1:20106/", "download"}));
    EXPECT_EQ(f.wrap("see http://a.vn now", f.widthOfText("http:/"), 0),
              (std::vector<std::string>{"see", "http://", "a.vn", "now"}));
    EXPECT_EQ(f.wrap("aaaaaaaaaaaaaaaaaaaa b", f.widthOfText("aaaaa"), 0),
              (std::vector<std::string>{"aaaaaaaaaaaaaaaaaaaa", "b"}));
    EXPECT_EQ(f.wrap("aaaaaaaaaaaaaaaaaaaa", f.widthOfText("aaaaa"), 0, LineBreakMode::CharacterWrap).size(), 4u);
}

// A text read whole (a dialog's message) breaks a word wider than the line where it must, after a "/"
// where one fits: every line stays within the width and no letter is lost.
TEST(FontTest, ALongWordOfATextReadWholeBreaksWithinTheLine) {
    Font f = Font::systemFontOfSize(16);
    const double width = f.widthOfText("averyvery");
    const auto lines = f.wrap("DK averyveryverylongusername to 8785", width, 0, LineBreakMode::WordWrap, true);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(f.widthOfText(line), width) << line;
        for (char c : line) if (c != ' ') joined += c;
    }
    EXPECT_EQ(joined, "DKaveryveryverylongusernameto8785");
    EXPECT_EQ(f.wrap("http://127.0.0.1:20106/download", f.widthOfText("http://127.0.0.1:20106/dow"), 0,
                     LineBreakMode::WordWrap, true),
              (std::vector<std::string>{"http://127.0.0.1:20106/", "download"}));
}

TEST(FontTest, UnicodeCharacterSteps) {
    std::string s = "aế";  // 'ế' takes three bytes
    EXPECT_EQ(previousCharacterStart(s, s.size()), 1u);
    EXPECT_EQ(nextCharacterStart(s, 1), s.size());
    EXPECT_EQ(previousCharacterStart(s, 0), 0u);
}

TEST(FontTest, LabelSizeFitsItsText) {
    Label label(Rect(0, 0, 10, 10));
    EXPECT_EQ(label.sizeThatFits({}), (Size{0, 0}));
    label.setText("Xin chào");
    Size one = label.sizeThatFits({});
    EXPECT_GE(one.width, label.font().widthOfText("Xin chào"));
    label.setNumberOfLines(0);
    Size narrow = label.sizeThatFits({label.font().widthOfText("Xin") + 1, 0});
    EXPECT_GT(narrow.height, one.height * 1.5);
}

// A label that cuts its text on purpose ends the cut line with "..." inside its frame, whatever its
// break mode; one that does not keep its mode.
TEST(FontTest, ALabelCutOnPurposeEndsWithDotsInsideItsFrame) {
    const std::string mail = "Fancy a game of Tien Len tonight? I am free after nine";
    for (LineBreakMode mode : {LineBreakMode::Clip, LineBreakMode::WordWrap, LineBreakMode::TailTruncation}) {
        for (int lines : {1, 2}) {
            Label label(Rect(0, 0, 150, 20.0 * lines));
            label.setFont(Font::systemFontOfSize(14));
            label.setNumberOfLines(lines);
            label.setLineBreakMode(mode);
            label.setText(mail);
            label.setTruncatesOnPurpose(true);
            testing::TextRecorder canvas;
            label.drawRect(canvas, label.bounds());
            SCOPED_TRACE(::testing::Message() << "mode " << int(mode) << ", " << lines << " lines");
            ASSERT_EQ(canvas.texts.size(), size_t(lines));
            EXPECT_EQ(canvas.texts.back().text.substr(canvas.texts.back().text.size() - 3), "...");
            EXPECT_LE(canvas.rightEdge(), 150);
        }
    }
    // Without the mark a clipping label keeps its whole words and no dots.
    Label clipped(Rect(0, 0, 150, 20));
    clipped.setLineBreakMode(LineBreakMode::Clip);
    clipped.setText(mail);
    testing::TextRecorder canvas;
    clipped.drawRect(canvas, clipped.bounds());
    EXPECT_EQ(canvas.joined().find("..."), std::string::npos);
}

TEST(HtmlTextTest, WordsLinksEntitiesAndSkippedParts) {
    auto doc = parseHtml("<html><head><title>T&amp;C</title><style>p{}</style></head>"
                         "<body><p>A&nbsp;<b>bold</b> &#273;&#x1EA1;t</p><!-- hidden --><br>"
                         "<a href=\"x.html?a=1&amp;b=2\">go there</a><script>alert('x')</script>end</body></html>");
    EXPECT_EQ(doc.title, "T&C");
    std::vector<std::string> words;
    for (const auto& w : doc.words) words.push_back(w.text);
    EXPECT_EQ(words, (std::vector<std::string>{"A", "bold", "đạt", "go", "there", "end"}));
    EXPECT_TRUE(doc.words[1].bold);
    EXPECT_FALSE(doc.words[2].bold);
    ASSERT_TRUE(doc.words[3].link);
    EXPECT_EQ(*doc.words[3].link, "x.html?a=1&b=2");
    EXPECT_TRUE(doc.words[3].breakBefore);
    EXPECT_FALSE(doc.words[5].link);
    EXPECT_EQ(decodeHtmlEntities("&unknown; &#xZZ; &"), "&unknown; &#xZZ; &");
    // Cut-off markup ends the document without harm.
    EXPECT_EQ(parseHtml("<p>one <a href='").words.size(), 1u);
}

}  // namespace
}  // namespace zuno::ui::test
