#include "orbeni/view/rtf_to_html.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace orbeni {
namespace {

// Leaves out the styles, keeping the text and the tags that open and close, so that a case
// says what reaches the reader.
std::string withoutStyles(std::string html) {
    for (std::size_t at = html.find(" style=\""); at != std::string::npos; at = html.find(" style=\"", at)) {
        html.erase(at, html.find('"', at + 8) + 1 - at);
    }
    return html;
}

struct TextCase {
    std::string_view rtf;
    std::string_view html;
};

TEST(RtfToHtml, TextOfParagraphsGroupsAndEscapes) {
    const TextCase cases[] = {
        {R"({\rtf1 Hello\par World})", "<p><span>Hello</span></p><p><span>World</span></p>"},
        {R"({\rtf1 a\\b\{c\}})", "<p><span>a\\b{c}</span></p>"},
        {R"({\rtf1 caf\'e9 \'80})", "<p><span>caf\xC3\xA9 \xE2\x82\xAC</span></p>"},
        {R"({\rtf1 x\u8364?y})", "<p><span>x\xE2\x82\xACy</span></p>"},
        {R"({\rtf1\uc2 x\u-4064\'3f\'3fy})", "<p><span>x\xEF\x80\xA0y</span></p>"},
        {R"({\rtf1 \u55357?\u56832?})", "<p><span>\xF0\x9F\x98\x80</span></p>"},
        {R"({\rtf1 <b> & "q"})", "<p><span>&lt;b&gt; &amp; &quot;q&quot;</span></p>"},
        {R"({\rtf1 a\endash b\tab c})",
         "<p><span>a\xE2\x80\x93"
         "b&emsp;c</span></p>"},
        {R"({\rtf1 a  b})", "<p><span>a &#160;b</span></p>"},
        {R"({\rtf1 one\line two})", "<p><span>one<br />two</span></p>"},
        {"{\\rtf1 no\r\nbreak}", "<p><span>nobreak</span></p>"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(withoutStyles(rtfToHtml(c.rtf)), c.html) << c.rtf;
    }
}

TEST(RtfToHtml, DestinationsShowNoText) {
    const TextCase cases[] = {
        {R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red1\green2\blue3;}Text})",
         "<p><span>Text</span></p>"},
        {R"({\rtf1{\*\generator Writer 1.0;}{\info{\title T}}Text})", "<p><span>Text</span></p>"},
        {R"({\rtf1{\stylesheet{\s0 Normal;}}{\pict\pngblip 89504e47}Text})", "<p><span>Text</span></p>"},
        {R"({\rtf1{\*\unknown {\b nested} words}Text})", "<p><span>Text</span></p>"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(withoutStyles(rtfToHtml(c.rtf)), c.html) << c.rtf;
    }
}

struct StyleCase {
    std::string_view rtf;
    std::string_view style;
    bool present;
};

TEST(RtfToHtml, FormattingFollowsGroupsAndSwitches) {
    const StyleCase cases[] = {
        {R"({\rtf1{\b bold}})", "font-weight:bold", true},
        {R"({\rtf1{\b bold}plain})", "font-weight:bold\">plain", false},
        {R"({\rtf1\b on\b0 off})", "\"font-size:12pt\">off", true},
        {R"({\rtf1{\i it}})", "font-style:italic", true},
        {R"({\rtf1\ul u\ulnone n})", "\"font-size:12pt\">n", true},
        {R"({\rtf1\ul under})", "text-decoration:underline", true},
        {R"({\rtf1\fs32 big})", "font-size:16pt", true},
        {R"({\rtf1\fs21 odd})", "font-size:10.5pt", true},
        {R"({\rtf1\b\i\plain x})", "\"font-size:12pt\">x", true},
        {R"({\rtf1{\fonttbl{\f1\fmodern Courier New;}}\f1 mono})", "font-family:'Courier New', monospace",
         true},
        {R"({\rtf1{\fonttbl{\f1\fmodern Cou'rier;}}\f1 x})", "font-family:'Courier', monospace", true},
        {R"({\rtf1{\colortbl;\red0\green0\blue128;}\cf1 navy})", "color:#000080", true},
        {R"({\rtf1{\colortbl;\red0\green0\blue128;}\cf0 auto})", "color:", false},
        {R"({\rtf1{\colortbl;}\cf7 unknown})", "color:", false},
        {R"({\rtf1\pard\li360\sa60 indented})", "margin-bottom:4px; margin-left:24px", true},
        {R"({\rtf1\qc centred})", "text-align:center", true},
    };
    for (const StyleCase& c : cases) {
        EXPECT_EQ(rtfToHtml(c.rtf).find(c.style) != std::string::npos, c.present) << c.rtf;
    }
}

// Damaged files end where they end: nothing is read past the text, every open tag is closed.
TEST(RtfToHtml, DamagedTextGivesWhatCouldBeRead) {
    const TextCase cases[] = {
        {R"({\rtf1 open {\b group)", "<p><span>open </span><span>group</span></p>"},
        {R"(}}}{\rtf1 x}}})", "<p><span>x</span></p>"},
        {R"({\rtf1 cut\)", "<p><span>cut</span></p>"},
        {R"({\rtf1 cut\')", "<p><span>cut</span></p>"},
        {R"({\rtf1 cut\'4)", "<p><span>cut</span></p>"},
        {R"({\rtf1 bad\'zzok})", "<p><span>badzzok</span></p>"},
        {R"({\rtf1 x\u99999999999999999999y})", "<p><span>x\xEF\xBF\xBD</span></p>"},
        {R"({\rtf1 x\u55357 y})", "<p><span>x\xEF\xBF\xBD</span></p>"},
        {R"({\rtf1 \fs-40 x\li-99999999 y})", "<p><span>xy</span></p>"},
        {R"({\rtf1 \aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1 z})", "<p><span>z</span></p>"},
        {std::string_view("{\\rtf1 a\0b}", 11), "<p><span>ab</span></p>"},
        {"", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(withoutStyles(rtfToHtml(c.rtf)), c.html) << c.rtf;
    }
}

TEST(RtfToHtml, DeepNestingKeepsReading) {
    const std::string deep = std::string(100000, '{') + "\\b deep" + std::string(100000, '}') + " after";
    const std::string html = rtfToHtml(deep);
    EXPECT_NE(html.find("font-weight:bold\">deep"), std::string::npos);
    EXPECT_NE(html.find("\"font-size:12pt\"> after"), std::string::npos);
}

}  // namespace
}  // namespace orbeni
