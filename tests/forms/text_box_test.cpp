// Text boxes: the change event inside every changing write, nesting, the
// same-text rule, and a typed-length limit that leaves code writes alone.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"

namespace {

template <typename Box>
class TextBoxChange : public ::testing::Test {
protected:
    Box box;
    QStringList seen; // the text at each Change

    void record()
    {
        box.setHandler([this] { seen << QString::fromStdU16String(box.text()); });
    }
};

using BoxKinds = ::testing::Types<forms::SingleLineTextBox, forms::MultiLineTextBox>;
TYPED_TEST_SUITE(TextBoxChange, BoxKinds);

TYPED_TEST(TextBoxChange, RunsInsideEveryWriteThatChangesTheText)
{
    this->record();
    this->box.setText(u"1");
    EXPECT_EQ(this->seen, QStringList{QStringLiteral("1")});
    this->box.setText(u"1");
    this->box.setText(u"");
    this->box.setText(u"");
    EXPECT_EQ(this->seen, (QStringList{QStringLiteral("1"), QString()}));
}

TYPED_TEST(TextBoxChange, WritesFromInsideTheHandlerNestAndFinishFirst)
{
    QStringList log;
    this->box.setHandler([&] {
        const QString text = QString::fromStdU16String(this->box.text());
        log << QStringLiteral("enter ") + text;
        if (text == QStringLiteral("10000"))
            this->box.setText(u"9999");
        if (text == QStringLiteral("9999"))
            this->box.setText(u"9999"); // same text: no further Change
        log << QStringLiteral("leave ") + text;
    });
    this->box.setText(u"10000");
    log << QStringLiteral("returned");
    EXPECT_EQ(log,
              (QStringList{"enter 10000", "enter 9999", "leave 9999", "leave 10000", "returned"}));
    EXPECT_EQ(this->box.text(), u"9999");
}

TEST(SingleLineTextBox, EditorShowsWhatCodeWroteAndTypingRaisesChange)
{
    forms::SingleLineTextBox box;
    int changes = 0;
    box.setHandler([&] { ++changes; });
    box.setText(u"12");
    EXPECT_EQ(box.editor()->text(), QStringLiteral("12"));
    box.editor()->setCursorPosition(2);
    QTest::keyClicks(box.editor(), QStringLiteral("34"));
    EXPECT_EQ(box.text(), u"1234");
    EXPECT_EQ(changes, 3);
}

class TypedLimit : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.setMaxTypedLength(4);
        box.setHandler([this] { seen << QString::fromStdU16String(box.text()); });
    }

    void typeAtEnd(const QString &keys)
    {
        box.editor()->setCursorPosition(static_cast<int>(box.editor()->text().size()));
        QTest::keyClicks(box.editor(), keys);
    }

    void pasteAtEnd(const QString &clip)
    {
        QGuiApplication::clipboard()->setText(clip);
        box.editor()->setCursorPosition(static_cast<int>(box.editor()->text().size()));
        QTest::keySequence(box.editor(), QKeySequence::Paste);
    }

    forms::SingleLineTextBox box;
    QStringList seen;
};

TEST_F(TypedLimit, CodeMayWriteLongerTexts)
{
    box.setText(u"10000");
    EXPECT_EQ(box.text(), u"10000");
    EXPECT_EQ(box.editor()->text(), QStringLiteral("10000"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("10000")});
}

TEST_F(TypedLimit, TypingStopsAtTheLimit)
{
    typeAtEnd(QStringLiteral("12345"));
    EXPECT_EQ(box.text(), u"1234");
    EXPECT_EQ(seen, (QStringList{"1", "12", "123", "1234"}));
}

TEST_F(TypedLimit, TypingIntoALongerCodeWrittenTextAddsNothing)
{
    box.setText(u"10000");
    seen.clear();
    typeAtEnd(QStringLiteral("7"));
    EXPECT_EQ(box.text(), u"10000");
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(TypedLimit, TypingOverASelectionReplacesIt)
{
    box.setText(u"1234");
    box.editor()->selectAll();
    QTest::keyClicks(box.editor(), QStringLiteral("9"));
    EXPECT_EQ(box.text(), u"9");
}

TEST_F(TypedLimit, DeletingStillWorksBeyondTheLimit)
{
    box.setText(u"10000");
    box.editor()->setCursorPosition(5);
    QTest::keyClick(box.editor(), Qt::Key_Backspace);
    EXPECT_EQ(box.text(), u"1000");
}

TEST_F(TypedLimit, PastesAreCutToWhatFits)
{
    struct Case {
        const char *before;
        const char *clip;
        const char *after;
    };
    const Case cases[] = {
        {"12", "56789", "1256"}, {"", "123456", "1234"}, {"1234", "5", "1234"},
        {"10000", "5", "10000"}, {"1", "23", "123"},
    };
    for (const Case &c : cases) {
        box.setText(forms::textFromUtf8(c.before));
        pasteAtEnd(QString::fromLatin1(c.clip));
        EXPECT_EQ(box.text(), forms::textFromUtf8(c.after))
            << "pasting " << c.clip << " after " << c.before;
    }
}

// Columns of `image` holding any pixel darker than the background.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(MultiLineTextBox, CentresEachLineAndWrapsLongTextAtWords)
{
    forms::MultiLineTextBox box;
    box.resize(300, 120);
    box.setBackgroundColor(forms::Color{255, 255, 255});
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QWidget *viewport = box.editor()->viewport();

    box.setText(u"МММ");
    QCoreApplication::processEvents();
    const auto [first, last] = inkColumns(viewport->grab().toImage());
    ASSERT_LT(first, last) << "no text drawn";
    const int leftMargin = first;
    const int rightMargin = viewport->width() - 1 - last;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 4) << leftMargin << " vs " << rightMargin;

    box.setText(QStringLiteral("слово ").repeated(30).trimmed().toStdU16String());
    QCoreApplication::processEvents();
    EXPECT_GT(box.editor()->document()->lineCount(), 1);
    EXPECT_EQ(box.editor()->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(box.editor()->verticalScrollBar()->isVisible());
}

} // namespace
