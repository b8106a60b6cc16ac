// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include <array>
#include <vector>

namespace rakamlik::design {
namespace {

constexpr Rgb grey{192, 192, 192};
constexpr Rgb olive{192, 192, 0};

constexpr Font keypadFont{Face::SansSerif, 9.75, true};

std::string numbered(const char* kind, int n) {
    return kind + std::to_string(n);
}

std::vector<Control> buildControls() {
    std::vector<Control> c;
    c.reserve(94);

    // Memo buttons, created from the one for 9 down to the one for 0; the
    // button of digit k stands level with ledger row k.
    for (int k = 9; k >= 0; --k) {
        c.push_back({.name = numbered("SSCommand", 13 + k),
                     .kind = Kind::Button,
                     .role = Role::Memo,
                     .index = k,
                     .parent = "Form1",
                     .left = 8340,
                     .top = 2100 + 360 * k,
                     .width = 465,
                     .height = 375,
                     .caption = std::to_string(k),
                     .font = keypadFont,
                     .enabled = false});
    }

    // The board panel and everything in it.
    c.push_back({.name = "SSPanel1",
                 .kind = Kind::Panel,
                 .parent = "Form1",
                 .left = 240,
                 .top = 240,
                 .width = 3915,
                 .height = 5475,
                 .caption = "       ",
                 .back = grey,
                 .font = {Face::SansSerif, 12, true},
                 .frame = Frame::Raised,
                 .bevel = 3});
    const Control buttonFrame{.kind = Kind::Panel,
                              .parent = "SSPanel1",
                              .back = grey,
                              .frame = Frame::Sunken,
                              .bevel = 3};
    Control panel4 = buttonFrame;
    panel4.name = "SSPanel4";
    panel4.left = 1950;
    panel4.top = 4560;
    panel4.width = 1575;
    panel4.height = 435;
    c.push_back(panel4);
    c.push_back({.name = "SSCommand12",
                 .kind = Kind::Button,
                 .role = Role::Bak,
                 .parent = "SSPanel4",
                 .left = 90,
                 .top = 60,
                 .width = 1365,
                 .height = 315,
                 .caption = "Bak",
                 .enabled = false});
    c.push_back({.name = "SSPanel3",
                 .kind = Kind::Panel,
                 .parent = "SSPanel1",
                 .left = 180,
                 .top = 360,
                 .width = 3555,
                 .height = 1155,
                 .caption = "Q X T          ",
                 .back = grey,
                 .font = {Face::Small, 6.75, false},
                 .frame = Frame::Raised,
                 .bevel = 1,
                 .captionBottomRight = true});
    for (int i = 0; i < 4; ++i) {
        // The first digit is a size smaller than the other three.
        c.push_back({.name = numbered("Label", i + 1),
                     .kind = Kind::Label,
                     .role = Role::Guess,
                     .index = i,
                     .parent = "SSPanel3",
                     .left = 240 + 780 * i,
                     .top = 240,
                     .width = 765,
                     .height = 675,
                     .back = olive,
                     .fore = Rgb{192, 64, 0},
                     .font = {Face::Tahoma, i == 0 ? 18 : 19.5, true},
                     .frame = Frame::Single,
                     .centred = true});
    }
    Control panel2 = buttonFrame;
    panel2.name = "SSPanel2";
    panel2.left = 360;
    panel2.top = 4080;
    panel2.width = 1455;
    panel2.height = 975;
    c.push_back(panel2);
    c.push_back({.name = "SSCommand11",
                 .kind = Kind::Button,
                 .role = Role::Yeni,
                 .parent = "SSPanel2",
                 .left = 90,
                 .top = 60,
                 .width = 1275,
                 .height = 855,
                 .caption = "Yeni"});
    // The keypad: 1 2 3 / 4 5 6 / 7 8 9, and 0 alone under the 8.
    constexpr std::array<int, 3> keypadColumns{780, 1620, 2475};
    constexpr std::array<int, 4> keypadRows{1920, 2460, 3000, 3540};
    for (int n = 1; n <= 10; ++n) {
        const bool zero = n == 10;
        c.push_back({.name = numbered("SSCommand", n),
                     .kind = Kind::Button,
                     .role = Role::Keypad,
                     .index = n % 10,
                     .parent = "SSPanel1",
                     .left = keypadColumns.at(zero ? 1 : (n - 1) % 3),
                     .top = keypadRows.at(zero ? 3 : (n - 1) / 3),
                     .width = 765,
                     .height = 435,
                     .caption = std::to_string(n % 10),
                     .fore = Rgb{0, 255, 0},
                     .font = keypadFont,
                     .enabled = false});
    }
    c.push_back({.name = "Label6",
                 .kind = Kind::Label,
                 .role = Role::Message,
                 .parent = "SSPanel1",
                 .left = 2130,
                 .top = 4080,
                 .width = 1215,
                 .height = 375,
                 .caption = "Q X T",
                 .back = Rgb{64, 0, 64},
                 .fore = Rgb{0, 255, 0},
                 .font = {Face::Serif, 12, true},
                 .frame = Frame::Single,
                 .centred = true});
    c.push_back({.name = "Image38",
                 .kind = Kind::Image,
                 .parent = "SSPanel1",
                 .left = 210,
                 .top = 120,
                 .width = 3495,
                 .height = 5175,
                 .stretch = true,
                 .atBottom = true,
                 .backdrop = true});

    // The dial and the rating, in their creation order. The rating's columns, from the left,
    // are Label7 to Label10 for the titles and Label11 to Label14 for the values.
    const auto valueLabel = [](int n, int left, int width) {
        return Control{.name = numbered("Label", n),
                       .kind = Kind::Label,
                       .role = Role::RatingValue,
                       .index = n - 11,
                       .parent = "Form1",
                       .left = left,
                       .top = 1380,
                       .width = width,
                       .height = 195,
                       .back = grey,
                       .fore = Rgb{128, 255, 255},
                       .centred = true};
    };
    const auto titleLabel = [](int n, int left, int width, const char* caption) {
        return Control{.name = numbered("Label", n),
                       .kind = Kind::Label,
                       .role = Role::RatingTitle,
                       .index = n - 7,
                       .parent = "Form1",
                       .left = left,
                       .top = 1560,
                       .width = width,
                       .height = 195,
                       .caption = caption,
                       .back = grey,
                       .fore = Rgb{255, 255, 0},
                       .centred = true,
                       .visible = false};
    };
    const auto gauge = [](int n) {
        return Control{.name = numbered("Image", n),
                       .kind = Kind::Image,
                       .role = Role::Gauge,
                       .index = n - 33,
                       .parent = "Form1",
                       .left = 4320 + 1140 * (n - 33),
                       .top = 240,
                       .width = 1095,
                       .height = 975,
                       .frame = Frame::Single,
                       .stretch = true};
    };
    c.push_back(titleLabel(8, 5520, 975, "Üstün"));
    c.push_back(valueLabel(14, 7920, 885));
    c.push_back(valueLabel(13, 6390, 1605));
    c.push_back(valueLabel(12, 5550, 945));
    c.push_back(valueLabel(11, 4440, 855));
    c.push_back(titleLabel(9, 6660, 1035, "Normal"));
    c.push_back(titleLabel(7, 4380, 975, "Şanslı"));
    for (int n = 36; n >= 33; --n) {
        c.push_back(gauge(n));
    }
    c.push_back(titleLabel(10, 7890, 1005, "Anormal"));

    // The ledger's row markers. Their design sizes last only until their
    // first picture, whose size they then take.
    constexpr std::array<std::array<int, 2>, 10> markerSizes{{{345, 285},
                                                              {345, 285},
                                                              {345, 285},
                                                              {345, 285},
                                                              {165, 75},
                                                              {255, 195},
                                                              {195, 135},
                                                              {195, 75},
                                                              {195, 75},
                                                              {225, 75}}};
    for (int k = 10; k >= 1; --k) {
        c.push_back({.name = numbered("Image", k),
                     .kind = Kind::Image,
                     .role = Role::Marker,
                     .index = k - 1,
                     .parent = "Form1",
                     .left = k == 1 ? 6500 : 6510,
                     .top = 2220 + 360 * (k - 1),
                     .width = markerSizes.at(k - 1)[0],
                     .height = markerSizes.at(k - 1)[1]});
    }

    // The ledger's cells: row i div 4, column i mod 4, created from the
    // last one to the first.
    for (int i = 39; i >= 0; --i) {
        c.push_back({.name = "Label5(" + std::to_string(i) + ")",
                     .kind = Kind::Label,
                     .role = Role::LedgerCell,
                     .index = i,
                     .parent = "Form1",
                     .left = 4470 + 480 * (i % 4),
                     .top = 2160 + 360 * (i / 4),
                     .width = 435,
                     .height = 315,
                     .back = olive,
                     .fore = Rgb{0, 0, 0},
                     .font = keypadFont,
                     .frame = Frame::Single,
                     .centred = true});
    }
    return c;
}

std::vector<std::string> buildFocusOrder() {
    std::vector<std::string> order;
    for (int n = 1; n <= 11; ++n) {
        order.push_back(numbered("SSCommand", n));
    }
    for (int n = 13; n <= 22; ++n) {
        order.push_back(numbered("SSCommand", n));
    }
    order.emplace_back("SSCommand12");
    return order;
}

} // namespace

std::span<const Control> controls() {
    static const std::vector<Control> table = buildControls();
    return table;
}

std::span<const std::string> focusOrder() {
    static const std::vector<std::string> order = buildFocusOrder();
    return order;
}

} // namespace rakamlik::design
