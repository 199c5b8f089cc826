#include "platform/ui/dbedit.h"

#include "platform/ui/guard.h"
#include "platform/ui/lineselection.h"
#include "platform/ui/qtext.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QValidator>
#include <algorithm>

namespace orupim::ui {
namespace {

// A single-line edit takes a pasted text only up to its first line break, as the old edit control did, so
// that no record field of one line is given a line break it cannot show. The text the record already holds
// is shown as it is.
class SingleLineValidator : public QValidator {
public:
    SingleLineValidator(QLineEdit* edit, const QString& previous, const bool& showing)
        : QValidator(edit), previous_(previous), showing_(showing) {}

    State validate(QString& input, int& position) const override {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
        if (showing_ || !input.contains(lineBreak))
            return Acceptable;
        // What changed is what lies between the part that stayed in front and the part that stayed behind.
        const qsizetype shorter = std::min(input.size(), previous_.size());
        qsizetype front = 0;
        while (front < shorter && input[front] == previous_[front])
            ++front;
        qsizetype back = 0;
        while (back < shorter - front &&
               input[input.size() - 1 - back] == previous_[previous_.size() - 1 - back])
            ++back;
        QString inserted = input.mid(front, input.size() - front - back);
        const qsizetype cut = inserted.indexOf(lineBreak);
        if (cut >= 0)
            inserted.truncate(cut);
        input = input.left(front) + inserted + input.right(back);
        position = static_cast<int>(front + inserted.size());
        return Acceptable;
    }

private:
    const QString& previous_;
    const bool& showing_;
};

} // namespace

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent), DataControl(
                             this,
                             [this](const FieldView& view) {
                                 setReadOnly(!view.editable);
                                 setMaxLength(view.maxLength > 0 ? view.maxLength : 32767);
                                 if (view.replaceText) {
                                     showing_ = true;
                                     setText(toQString(view.text));
                                     showing_ = false;
                                 }
                             },
                             [this] { return text().toStdString(); }) {
    setValidator(new SingleLineValidator(this, previousText_, showing_));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { previousText_ = text; });
    // Every change that is not the field's own text being shown is the user's: typing, and also a value set
    // by an assistive tool, which Qt sets without the edited signal.
    connectGuarded(this, &QLineEdit::textChanged, [this] {
        // An unbound control has no record to keep: a program may set its text freely.
        if (!showing_ && dataSource())
            link().userModified();
    });
    link().refresh();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    keepSelection(*this, [&] {
        QLineEdit::focusOutEvent(event);
        focusLeft(event->reason());
    });
}

} // namespace orupim::ui
