#include "gui/gui_fixture.hpp"
#include "window/qt/entry_box.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <limits>
#include <memory>
#include <ostream>
#include <vector>

// Long texts print as their size and ends.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.size() << " characters \"" << text.left(40).toStdString()
         << (text.size() > 80 ? "…" + text.right(40).toStdString() : text.mid(40).toStdString()) << '"';
}

namespace torvanel {
namespace {

// A few hundred thousand characters of words, numbers, blanks and separators.
QString long_text()
{
    const QStringList pieces = {"4k7 ", "2,2", "  ", "1E-3", "(abc)", " x ", "9.81", "ohm-metro ", "R47/"};
    QString text;
    for (int i = 0; text.size() < 300'000; ++i) {
        text += pieces[i % pieces.size()] + QString::number(i);
    }
    return text;
}

struct Step {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    // Undo and redo: the same text; where the caret goes is QLineEdit's own business.
    bool text_only = false;
};

// The entry box holding a long text next to a stock QLineEdit that holds the same:
// whatever is done to both must leave both alike.
class LongText : public testing::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        box = widget_as<EntryBox>("OhmInput");
        stock = std::make_unique<QLineEdit>(&calculator->window());
        stock->setMaxLength(std::numeric_limits<int>::max());
        stock->setGeometry(box->geometry().translated(0, 300));
        stock->setFont(box->font());
        stock->setPalette(box->palette());
        stock->setFocusPolicy(Qt::NoFocus);
        stock->show();
        text = long_text();
        QApplication::clipboard()->setText(text);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        ASSERT_TRUE(box->in_long_text_mode());
        stock->setText(text);
    }
    void TearDown() override
    {
        stock.reset();
        GuiTest::TearDown();
    }

    void expect_alike(const std::string& after, bool text_only = false) const
    {
        ASSERT_EQ(box->full_text(), stock->text()) << "after " << after;
        EXPECT_EQ(calculator->form().OhmInput.Text.get(), box->full_text().toStdString()) << "after " << after;
        if (text_only) {
            box->set_caret(box->caret());
            stock->setCursorPosition(static_cast<int>(box->caret()));
            return;
        }
        EXPECT_EQ(box->caret(), stock->cursorPosition()) << "after " << after;
        const auto [start, end] = box->selection();
        EXPECT_EQ(box->full_text().mid(start, end - start), stock->selectedText()) << "after " << after;
    }

    void both(const Step& step) const
    {
        QTest::keyClick(box, step.key, step.modifiers);
        QTest::keyClick(stock.get(), step.key, step.modifiers);
        expect_alike(step.name, step.text_only);
    }

    EntryBox* box = nullptr;
    std::unique_ptr<QLineEdit> stock;
    QString text;
};

TEST_F(LongText, KeyboardCaretSelectionTypingAndDeletingAsInTheStockBox)
{
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers control = Qt::ControlModifier;
    const std::vector<Step> steps = {
        {"Home", Qt::Key_Home},
        {"Right", Qt::Key_Right},
        {"Right", Qt::Key_Right},
        {"Shift+Right", Qt::Key_Right, shift},
        {"Ctrl+Shift+Right", Qt::Key_Right, control | shift},
        {"Left collapses the selection", Qt::Key_Left},
        {"Ctrl+Right", Qt::Key_Right, control},
        {"Ctrl+Right", Qt::Key_Right, control},
        {"typing in the middle", Qt::Key_Q},
        {"typing again", Qt::Key_W},
        {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete},
        {"Ctrl+Backspace", Qt::Key_Backspace, control},
        {"Ctrl+Delete", Qt::Key_Delete, control},
        {"Ctrl+Z", Qt::Key_Z, control, true},
        {"Ctrl+Z", Qt::Key_Z, control, true},
        {"Ctrl+Shift+Z", Qt::Key_Z, control | shift, true},
        {"Shift+End", Qt::Key_End, shift},
        {"Shift+Left", Qt::Key_Left, shift},
        {"Ctrl+Shift+Left", Qt::Key_Left, control | shift},
        {"typing over the selection", Qt::Key_E},
        {"End", Qt::Key_End},
        {"typing at the end", Qt::Key_4},
        {"Ctrl+Left", Qt::Key_Left, control},
        {"Shift+Home", Qt::Key_Home, shift},
        {"Right", Qt::Key_Right},
        {"Ctrl+A", Qt::Key_A, control},
        {"Left", Qt::Key_Left},
        {"Ctrl+Z undoes the typing", Qt::Key_Z, control, true},
    };
    for (const Step& step : steps) {
        both(step);
    }
}

TEST_F(LongText, PasteIsOneUndoStepAndRedoBringsItBack)
{
    type_into("OhmInput", "12");
    ASSERT_FALSE(box->in_long_text_mode());
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    const QString pasted = QStringLiteral("1") + text + QStringLiteral("2");
    EXPECT_EQ(box->full_text(), pasted);
    EXPECT_EQ(box->caret(), 1 + text.size());

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(box->in_long_text_mode());
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(box->cursorPosition(), 1);
    EXPECT_EQ(calculator->form().OhmInput.Text.get(), "12");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "") << "the typing before the paste is undone next";

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(box->in_long_text_mode()) << "redo reaches the paste after QLineEdit's own history";
    EXPECT_EQ(box->full_text(), pasted);
    EXPECT_EQ(QString::fromStdString(calculator->form().OhmInput.Text.get()), pasted);
}

TEST_F(LongText, AShortTextMakesItAStockBoxAndUndoGoesBackToTheLongOne)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "47");
    EXPECT_FALSE(box->in_long_text_mode());
    EXPECT_EQ(box->text(), "47");
    EXPECT_EQ(calculator->form().OhmInput.Text.get(), "47");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "4") << "QLineEdit undoes what was typed once it was a stock box again";
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(box->in_long_text_mode());
    EXPECT_EQ(box->full_text(), text);
    EXPECT_EQ(box->selection(), std::make_pair(qsizetype{0}, text.size()));
    EXPECT_EQ(QString::fromStdString(calculator->form().OhmInput.Text.get()), text);
}

// Points well inside a character of the stock box: both boxes place the caret alike
// there, though each rounds the text's sub-pixel positions its own way.
std::vector<int> character_middles(QLineEdit& edit)
{
    std::vector<int> middles;
    const int y = edit.height() / 2;
    int run_start = 2;
    for (int x = 3; x < edit.width() - 2; ++x) {
        if (edit.cursorPositionAt(QPoint(x, y)) != edit.cursorPositionAt(QPoint(run_start, y))) {
            if (x - run_start >= 5) {
                middles.push_back((run_start + x) / 2);
            }
            run_start = x;
        }
    }
    return middles;
}

TEST_F(LongText, MouseCaretSelectionDoubleClickAndCopyAsInTheStockBox)
{
    for (QLineEdit* edit : {static_cast<QLineEdit*>(box), stock.get()}) {
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ControlModifier);
        (void)edit->grab(); // a paint scrolls the view to the caret, as on screen
    }
    const std::vector<int> xs = character_middles(*stock);
    ASSERT_GE(xs.size(), 8u);
    const int y = box->height() / 2;
    struct Result {
        qsizetype caret;
        QString dragged;
        QString word;
    };
    const auto use_mouse = [&xs, y](QLineEdit* edit, auto caret, auto selected) {
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(xs[3], y));
        const qsizetype clicked = caret();
        QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(xs[1], y));
        QTest::mouseMove(edit, QPoint(xs[xs.size() - 2], y));
        QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(xs[xs.size() - 2], y));
        const QString dragged = selected();
        QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(xs[xs.size() / 2], y));
        return Result{clicked, dragged, selected()};
    };
    const Result long_box = use_mouse(
        box, [this] { return box->caret(); },
        [this] {
            return box->full_text().mid(box->selection().first, box->selection().second - box->selection().first);
        });
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), long_box.word);
    const Result stock_box = use_mouse(
        stock.get(), [this] { return qsizetype{stock->cursorPosition()}; }, [this] { return stock->selectedText(); });
    EXPECT_EQ(long_box.caret, stock_box.caret);
    EXPECT_GT(long_box.dragged.size(), 8);
    EXPECT_EQ(long_box.dragged, stock_box.dragged);
    EXPECT_FALSE(long_box.word.isEmpty());
    EXPECT_EQ(long_box.word, stock_box.word);
}

// The columns painted in the selection's colour, first and last.
std::pair<int, int> highlighted_columns(const QImage& image, QColor highlight)
{
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == highlight) {
                first = std::min(first, x);
                last = x;
            }
        }
    }
    return {first, last};
}

TEST_F(LongText, ShowsTheSamePartAsTheStockBoxWhereverTheCaretGoes)
{
    widget("AmpereInput")->setFocus(); // neither box blinks a caret
    const QColor highlight = box->palette().color(QPalette::Highlight);
    const int y = box->height() / 2;
    const std::vector<Step> moves = {
        {"Home", Qt::Key_Home},
        {"Right past the right edge", Qt::Key_Right},
        {"End", Qt::Key_End},
        {"Left past the left edge", Qt::Key_Left},
        {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier},
    };
    for (const Step& move : moves) {
        for (QLineEdit* edit : {static_cast<QLineEdit*>(box), stock.get()}) {
            for (int i = 0; i < (move.key == Qt::Key_Left || move.key == Qt::Key_Right ? 25 : 1); ++i) {
                QTest::keyClick(edit, move.key, move.modifiers);
            }
            (void)edit->grab(); // a paint scrolls the view to the caret, as on screen
        }
        for (const int x : character_middles(*stock)) {
            EXPECT_EQ(box->position_at(QPoint(x, y)), stock->cursorPositionAt(QPoint(x, y)))
                << "x " << x << " after " << move.name;
        }
        const qsizetype caret = box->caret();
        const qsizetype selected = std::min<qsizetype>(caret, 5);
        box->set_selection(caret - selected, caret);
        stock->setSelection(static_cast<int>(caret - selected), static_cast<int>(selected));
        const auto [first, last] = highlighted_columns(box->grab().toImage(), highlight);
        const auto [stock_first, stock_last] = highlighted_columns(stock->grab().toImage(), highlight);
        EXPECT_NEAR(first, stock_first, 1) << "after " << move.name;
        EXPECT_NEAR(last, stock_last, 1) << "after " << move.name;
        box->set_caret(caret);
        stock->setCursorPosition(static_cast<int>(caret));
    }
}

TEST_F(LongText, DropAndContextMenuEditTheLongText)
{
    QMimeData dropped;
    dropped.setText(QStringLiteral("drop"));
    const QPoint point(30, box->height() / 2);
    QTest::keyClick(box, Qt::Key_Home);
    (void)box->grab();
    QDragEnterEvent enter(point, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(point, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    const qsizetype at = box->caret() - 4;
    EXPECT_EQ(box->full_text(), QString(text).insert(at, QStringLiteral("drop")));
    EXPECT_GT(at, 0);

    QContextMenuEvent menu_request(QContextMenuEvent::Mouse, point, box->mapToGlobal(point));
    QApplication::sendEvent(box, &menu_request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries.append(action);
        }
    }
    ASSERT_GE(entries.size(), 7);
    EXPECT_TRUE(entries[0]->isEnabled()) << "Undo";
    EXPECT_FALSE(entries[3]->isEnabled()) << "Copy, with nothing selected";
    entries[0]->trigger();
    menu->close();
    EXPECT_EQ(box->full_text(), text);
    EXPECT_EQ(QString::fromStdString(calculator->form().OhmInput.Text.get()), text);
}

TEST_F(LongText, AccessibilityClientsReadAndEditTheLongText)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTextInterface* text_interface = accessible->textInterface();
    ASSERT_NE(text_interface, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Value), text);
    EXPECT_EQ(text_interface->characterCount(), text.size());
    EXPECT_EQ(text_interface->cursorPosition(), text.size());
    EXPECT_EQ(text_interface->text(1000, 1010), text.mid(1000, 10));

    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    int start = -1;
    int end = -1;
    text_interface->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 1));
    QTest::keyClick(box, Qt::Key_9);
    EXPECT_EQ(text_interface->textAtOffset(0, QAccessible::CharBoundary, &start, &end), "9");
    EXPECT_EQ(text_interface->textAtOffset(text.size() - 2, QAccessible::CharBoundary, &start, &end),
              text.right(2).left(1));
    EXPECT_EQ(end, text.size() - 1);
    EXPECT_EQ(text_interface->cursorPosition(), 1);
    const QRect first = text_interface->characterRect(1);
    EXPECT_EQ(text_interface->offsetAtPoint(first.center()), 1);

    accessible->editableTextInterface()->insertText(1, QStringLiteral("ab"));
    EXPECT_EQ(box->full_text(), QStringLiteral("9ab") + text.mid(1));
    EXPECT_EQ(QString::fromStdString(calculator->form().OhmInput.Text.get()), box->full_text());
    text_interface->setCursorPosition(7);
    EXPECT_EQ(box->caret(), 7);
}

TEST_F(LongText, TheCalculationQuotesTheStartOfTheText)
{
    type_into("AmpereInput", "3");
    watchdog->expect_message_box();
    click("CALCOLO");
    ASSERT_EQ(watchdog->answered_texts.size(), 1);
    EXPECT_TRUE(watchdog->answered_texts.front().contains("\"" + text.left(24) + "…\""))
        << watchdog->answered_texts.front().toStdString();
    EXPECT_EQ(box->full_text(), text);
}

} // namespace
} // namespace torvanel
