#include "window/qt/entry_box_accessible.hpp"

#include "window/qt/entry_box.hpp"

#include <QAccessibleWidget>

#include <algorithm>

namespace torvanel {
namespace {

// Characters either side of an offset within which characters, words and sentences
// of a long text are looked for.
constexpr qsizetype kBoundaryWindow = 4096;

// Part of a text, for Qt's boundary rules without copying the whole text.
class TextWindow final : public QAccessibleTextInterface {
public:
    explicit TextWindow(QString text) : text_(std::move(text)) {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return text_.mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QString text_;
};

class EntryBoxAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit EntryBoxAccessible(EntryBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        QString text = type == QAccessible::Value ? box()->full_text() : QString();
        if (text.isEmpty()) {
            text = QAccessibleWidget::text(type);
        }
        if (text.isEmpty() && type == QAccessible::Description) {
            text = box()->placeholderText();
        }
        return text;
    }

    void setText(QAccessible::Text type, const QString& text) override
    {
        if (type != QAccessible::Value) {
            QAccessibleWidget::setText(type, text);
        } else if (!box()->isReadOnly()) {
            box()->replace_as_typed(0, box()->length(), text);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        const auto [from, to] = box()->selection();
        if (index == 0 && from != to) {
            *start = static_cast<int>(from);
            *end = static_cast<int>(to);
        }
    }
    int selectionCount() const override
    {
        const auto [from, to] = box()->selection();
        return from != to ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0) {
            box()->set_caret(box()->caret());
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0) {
            box()->set_selection(start, end);
        }
    }
    int cursorPosition() const override { return static_cast<int>(box()->caret()); }
    void setCursorPosition(int position) override { box()->set_caret(position); }
    QString text(int start, int end) const override
    {
        return start > end ? QString() : box()->full_text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->length()); }
    QRect characterRect(int offset) const override
    {
        const QRect rect = box()->character_rect(offset);
        return rect.isNull() ? rect : rect.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return static_cast<int>(box()->position_at(box()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->set_caret(end);
        box()->set_caret(start);
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return around(offset, type, start, end, &QAccessibleTextInterface::textBeforeOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return around(offset, type, start, end, &QAccessibleTextInterface::textAfterOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return around(offset, type, start, end, &QAccessibleTextInterface::textAtOffset);
    }

    void deleteText(int start, int end) override { box()->replace_as_typed(start, end, QString()); }
    void insertText(int offset, const QString& text) override { box()->replace_as_typed(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override { box()->replace_as_typed(start, end, text); }

private:
    using BoundaryFunction = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*,
                                                                   int*) const;

    EntryBox* box() const { return static_cast<EntryBox*>(widget()); }

    // Qt's rules; for characters, words and sentences of a long text they run on the
    // part around the offset instead of a copy of the whole text.
    QString around(int offset, QAccessible::TextBoundaryType type, int* start, int* end, BoundaryFunction rule) const
    {
        if (offset == -2) {
            offset = cursorPosition();
        }
        const bool local = type == QAccessible::CharBoundary || type == QAccessible::WordBoundary ||
                           type == QAccessible::SentenceBoundary;
        if (!box()->in_long_text_mode() || !local || offset < 0) {
            // Qt's rules run on the whole text; the text is shared, not copied. Through
            // this object the pointer would dispatch back here.
            const TextWindow whole(box()->full_text());
            return (whole.*rule)(offset, type, start, end);
        }
        const qsizetype from = std::max<qsizetype>(0, offset - kBoundaryWindow);
        const TextWindow window(box()->full_text().mid(from, 2 * kBoundaryWindow));
        const QString found = (window.*rule)(static_cast<int>(offset - from), type, start, end);
        if (*start >= 0) {
            *start += static_cast<int>(from);
            *end += static_cast<int>(from);
        }
        return found;
    }
};

QAccessibleInterface* entry_box_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String(EntryBox::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new EntryBoxAccessible(static_cast<EntryBox*>(object));
    }
    return nullptr;
}

} // namespace

void install_entry_box_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&entry_box_interface);
        return true;
    }();
    (void)installed;
}

} // namespace torvanel
