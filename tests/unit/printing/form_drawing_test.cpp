#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>

#include "printing/form_drawing.h"
#include "printing/form_layout.h"

namespace tavo::printing {
namespace {

constexpr int kScale = 10;   // twips per pixel of the test images
constexpr int kMargin = 20;  // pixels of white around the copy, where nothing may be drawn
const FormLook kOrder{FormType::OP, true, true};
const FormLook kSlip{FormType::FV, true, true};

QImage render(const std::function<void(QPainter&)>& draw) {
    QImage image(form::kWidth / kScale + 2 * kMargin, form::kHeight / kScale + 2 * kMargin,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(kMargin, kMargin);
    painter.scale(1.0 / kScale, 1.0 / kScale);
    draw(painter);
    return image;
}

// The dark pixels of `image` within the twips rectangle `area` (grown or
// shrunk by `grow` pixels), or outside it.
int ink(const QImage& image, const QRect& area, int grow = 0, bool outside = false) {
    const QRect px = QRect(area.topLeft() / kScale, area.size() / kScale)
                         .translated(kMargin, kMargin)
                         .adjusted(-grow, -grow, grow, grow);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += px.contains(x, y) != outside && qGray(image.pixel(x, y)) < 160;
    }
    return count;
}

// The boxes of the fields and labels and the free places of the window.
std::vector<QRect> allBoxes() {
    std::vector<QRect> boxes{valDeclBox(), calendarButtonBox(0), calendarButtonBox(1),
                             beneficiaryButtonsBox()};
    for (int i = 0; i < 18; ++i) boxes.push_back(d1Box(i));
    for (int i = 1; i <= 6; ++i) boxes.push_back(b1Box(i));
    return boxes;
}

TEST(FormDrawingLayout, BoxesAndCaptionsKeepApartAndHoldTheirTexts) {
    const std::vector<QRect> all = allBoxes();
    for (size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(QRect(0, 0, form::kWidth, form::kHeight).contains(all[i]));
        EXPECT_FALSE(all[i].intersects(form::kBarcode));
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(all[i].intersects(all[j])) << "with " << j;
    }
    for (const FormLook& look : {kOrder, kSlip}) {
        for (const layout::Caption& caption : layout::captions(look)) {
            SCOPED_TRACE(caption.text.toStdString());
            EXPECT_TRUE(layout::kFrame.contains(caption.place));
            EXPECT_FALSE(caption.place.intersects(form::kBarcode));
            for (const QRect& box : all) EXPECT_FALSE(caption.place.intersects(box));
        }
    }
    // b1(0) and b1(7..9) are written in the boxes of the fields they repeat.
    for (const auto& [b1, d1] : {std::pair{0, 1}, {7, 14}, {8, 15}, {9, 17}})
        EXPECT_EQ(b1Box(b1), d1Box(d1)) << b1;
    EXPECT_TRUE(form::kBarcode.contains(warningBox().united(infoBox())));
    EXPECT_FALSE(warningBox().intersects(infoBox()));

    const QFontMetrics metrics(layout::font(layout::Style::Caption));
    // The longest text each field takes, typed at about 95 twips a character;
    // the branches (6, 10) scroll in their one line and take what room is left.
    const int limits[18] = {10, 20, 30, 13, 66, 24, 52, 30, 13, 24, 52, 23, 70, 10, 11, 3, 10, 10};
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(i);
        const int lines = d1TwoLines(i) ? 2 : 1;
        EXPECT_GE(d1Box(i).height(), lines * metrics.lineSpacing() + 40);
        EXPECT_LE(d1Box(i).height(), lines * 260);
        EXPECT_GE(d1Box(i).width() * lines, limits[i] * 95);
    }
}

TEST(FormDrawingImage, DrawsTheBoxesAndLeavesTheirInsidesClear) {
    const QImage image = render([](QPainter& p) { drawForm(p, kOrder); });
    for (int i = 0; i < 18; ++i) {
        EXPECT_GT(ink(image, d1Box(i)), d1Box(i).width() / kScale) << i;
        EXPECT_EQ(ink(image, d1Box(i), -2), 0) << i;
    }
    EXPECT_EQ(ink(image, form::kBarcode, -2), 0);
    EXPECT_EQ(ink(image, beneficiaryButtonsBox()), 0);
    EXPECT_EQ(ink(image, layout::kFrame, 1, true), 0);
}

TEST(FormDrawingImage, TypeAndLookLeaveOutTheirParts) {
    const QRect transfer{layout::kTransferLeft + 50, layout::kBeneficiaryEnd + 50, 1900, 1000};
    const QRect branchHint{layout::kLeft, d1Box(10).bottom() + 20, 900, 120};
    const struct {
        const char* name;
        FormLook look;
        QRect area;
        bool drawn;
    } cases[] = {
        {"payer IBAN, order", kOrder, d1Box(5), true},
        {"payer IBAN, slip", kSlip, d1Box(5), false},
        {"payer branch, slip", kSlip, d1Box(6).united(b1Box(3)), false},
        {"transfer type, order", kOrder, transfer, true},
        {"transfer type, slip", kSlip, transfer, false},
        {"debit date", kOrder, d1Box(16), true},
        {"no debit date", {FormType::OP, true, false}, d1Box(16), false},
        {"hint", kSlip, branchHint, true},
        {"no hints", {FormType::OP, false, true}, branchHint, false},
    };
    for (const auto& c : cases) {
        const QImage image = render([&](QPainter& p) { drawForm(p, c.look); });
        EXPECT_EQ(ink(image, c.area) > 0, c.drawn) << c.name;
    }
}

TEST(FormDrawingImage, ValuesStayInTheirBoxes) {
    // A field: d1(i) for i < 18, b1(i - 18) after them.
    struct Case {
        FormLook look;
        int field;
        bool written;
    };
    std::vector<Case> cases = {
        {kSlip, 5, false},       {kSlip, 6, false},
        {kSlip, 18 + 3, false},  {{FormType::OP, true, false}, 16, false},  // no debit date
        {kOrder, 18 + 7, false},                                            // d1(14) carries it
    };
    for (int i = 0; i < 18 + 7; ++i)
        cases.push_back({kOrder, i, i != 1});  // the amount shows as b1(0)
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        FormValues values;
        const bool d1 = c.field < 18;
        // Words for the two-line boxes, one long word for the others.
        (d1 ? values.d1[size_t(c.field)] : values.b1[size_t(c.field - 18)]) =
            d1 && d1TwoLines(c.field) ? QStringLiteral("ALFA BETA GAMMA DELTA ").repeated(8)
                                      : QString(120, QLatin1Char('W'));
        const QRect box = d1 ? d1Box(c.field) : b1Box(c.field - 18);
        const QImage image = render([&](QPainter& p) { drawValues(p, c.look, values); });
        EXPECT_EQ(ink(image, box, 1) > 0, c.written);
        EXPECT_EQ(ink(image, box, 1, true), 0);
    }
}

}  // namespace
}  // namespace tavo::printing
