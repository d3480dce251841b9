#include "DialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ImageConversion.h"

namespace vorna {
namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Static texts show "&x" as an underlined x and "&&" as "&"; labels here just drop the marker.
QString WithoutMnemonic(const std::string& text) {
    QString result;
    const QString source = ToQString(text);
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == u'&' && i + 1 < source.size()) ++i;
        result += source[i];
    }
    return result;
}

Qt::Alignment HorizontalAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Right:
            return Qt::AlignRight;
        case TextAlign::Center:
            return Qt::AlignHCenter;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

template <typename W>
W* Place(W* widget, const ControlSpec& spec, const QRect& rect) {
    widget->setGeometry(rect);
    widget->setObjectName(QStringLiteral("control%1").arg(spec.id));
    widget->setProperty(kControlIdProperty, spec.id);
    return widget;
}

class LabelBinding : public ControlBinding {
public:
    LabelBinding(const ControlSpec& spec, const QRect& rect, QWidget* parent)
        : label_(Place(new QLabel(WithoutMnemonic(spec.text), parent), spec, rect)) {
        label_->setTextFormat(Qt::PlainText);
        label_->setAlignment(HorizontalAlignment(spec.align) | Qt::AlignTop);
        label_->setWordWrap(true);
    }
    QWidget* Widget() const override { return label_; }
    void Show(const ControlState& state) override {
        label_->setText(WithoutMnemonic(state.text));
        label_->setEnabled(state.enabled);
    }

private:
    QLabel* label_;
};

class GroupBinding : public ControlBinding {
public:
    GroupBinding(const ControlSpec& spec, const QRect& rect, QWidget* parent)
        : box_(Place(new QGroupBox(ToQString(spec.text), parent), spec, rect)) {
        box_->setFocusPolicy(Qt::NoFocus);
    }
    QWidget* Widget() const override { return box_; }
    void Show(const ControlState& state) override {
        box_->setTitle(ToQString(state.text));
        box_->setEnabled(state.enabled);
    }

private:
    QGroupBox* box_;
};

class EditBinding : public ControlBinding {
public:
    EditBinding(const ControlSpec& spec, const QRect& rect, QWidget* parent, ControlEvents& events)
        : edit_(Place(new QLineEdit(parent), spec, rect)) {
        edit_->setAlignment(HorizontalAlignment(spec.align) | Qt::AlignVCenter);
        const int id = spec.id;
        QObject::connect(edit_, &QLineEdit::textEdited, edit_, [&events, id](const QString& text) {
            events.ControlTextEdited(id, text.toStdString());
        });
    }
    QWidget* Widget() const override { return edit_; }
    void Show(const ControlState& state) override {
        const QString text = ToQString(state.text);
        if (edit_->text() != text) edit_->setText(text);
        edit_->setEnabled(state.enabled);
        if (edit_->isReadOnly() != state.readOnly) {
            edit_->setReadOnly(state.readOnly);
            // A read-only field shows the dialog's face colour, as the classic edit box does.
            QPalette palette = edit_->palette();
            palette.setColor(QPalette::Base,
                             state.readOnly
                                 ? edit_->parentWidget()->palette().color(QPalette::Window)
                                 : edit_->parentWidget()->palette().color(QPalette::Base));
            edit_->setPalette(palette);
        }
    }
    void TakeFocus() override {
        edit_->setFocus(Qt::OtherFocusReason);
        edit_->selectAll();
    }

private:
    QLineEdit* edit_;
};

template <typename Button>
class ButtonBinding : public ControlBinding {
public:
    ButtonBinding(Button* button, const ControlSpec& spec, const QRect& rect, ControlEvents& events)
        : button_(Place(button, spec, rect)) {
        const int id = spec.id;
        QObject::connect(button_, &QAbstractButton::clicked, button_,
                         [&events, id] { events.ControlClicked(id); });
    }
    QWidget* Widget() const override { return button_; }
    void Show(const ControlState& state) override {
        const QString text = ToQString(state.text);
        if (button_->text() != text) button_->setText(text);
        button_->setChecked(state.checked);
        button_->setEnabled(state.enabled);
    }

private:
    Button* button_;
};

std::unique_ptr<ControlBinding> MakePushButton(const ControlSpec& spec, bool isDefault,
                                               const QRect& rect, QWidget* parent,
                                               ControlEvents& events) {
    auto* button = new QPushButton(ToQString(spec.text), parent);
    button->setDefault(isDefault);
    return std::make_unique<ButtonBinding<QPushButton>>(button, spec, rect, events);
}

std::unique_ptr<ControlBinding> MakeRadioButton(const ControlSpec& spec, const QRect& rect,
                                                QWidget* parent, ControlEvents& events) {
    auto* radio = new QRadioButton(ToQString(spec.text), parent);
    // The dialog model keeps each group exclusive; Qt would join every radio of the window.
    radio->setAutoExclusive(false);
    return std::make_unique<ButtonBinding<QRadioButton>>(radio, spec, rect, events);
}

std::unique_ptr<ControlBinding> MakeCheckBox(const ControlSpec& spec, const QRect& rect,
                                             QWidget* parent, ControlEvents& events) {
    return std::make_unique<ButtonBinding<QCheckBox>>(new QCheckBox(ToQString(spec.text), parent),
                                                      spec, rect, events);
}

class ComboBinding : public ControlBinding {
public:
    // `rect` spans the closed box and its dropped-down list, as combo box resources do.
    ComboBinding(const ControlSpec& spec, const QRect& rect, QWidget* parent, ControlEvents& events)
        : combo_(Place(new QComboBox(parent), spec, rect)) {
        const int id = spec.id;
        combo_->setEditable(spec.kind == ControlKind::DropDown);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        const int boxHeight = std::min(rect.height(), combo_->sizeHint().height());
        combo_->setGeometry(rect.x(), rect.y(), rect.width(), boxHeight);
        const int itemHeight = std::max(1, combo_->fontMetrics().height() + 2);
        combo_->setMaxVisibleItems(std::max(1, (rect.height() - boxHeight) / itemHeight));
        QObject::connect(combo_, &QComboBox::activated, combo_,
                         [&events, id](int index) { events.ControlSelected(id, index); });
        if (QLineEdit* edit = combo_->lineEdit()) {
            QObject::connect(edit, &QLineEdit::textEdited, combo_,
                             [&events, id](const QString& text) {
                                 events.ControlTextEdited(id, text.toStdString());
                             });
        }
    }
    QWidget* Widget() const override { return combo_; }
    void Show(const ControlState& state) override {
        QStringList items;
        for (const auto& item : state.items) items << ToQString(item);
        QStringList shown;
        for (int i = 0; i < combo_->count(); ++i) shown << combo_->itemText(i);
        if (shown != items) {
            combo_->clear();
            combo_->addItems(items);
        }
        combo_->setCurrentIndex(state.selection);
        if (QLineEdit* edit = combo_->lineEdit();
            edit != nullptr && edit->text() != ToQString(state.text)) {
            edit->setText(ToQString(state.text));
        }
        combo_->setEnabled(state.enabled);
    }
    void TakeFocus() override {
        combo_->setFocus(Qt::OtherFocusReason);
        if (QLineEdit* edit = combo_->lineEdit()) edit->selectAll();
    }

private:
    QComboBox* combo_;
};

class PictureBinding : public ControlBinding {
public:
    PictureBinding(const ControlSpec& spec, const QRect& rect, QWidget* parent)
        : label_(Place(new QLabel(parent), spec, rect)) {
        // Pictures are drawn stretched over the control, as the resources expect.
        label_->setScaledContents(true);
    }
    QWidget* Widget() const override { return label_; }
    void Show(const ControlState& state) override {
        if (state.image.Empty()) {
            label_->clear();
        } else {
            label_->setPixmap(QPixmap::fromImage(ToQImage(state.image)));
        }
        label_->setEnabled(state.enabled);
    }

private:
    QLabel* label_;
};

}  // namespace

std::unique_ptr<ControlBinding> MakeControlBinding(const ControlSpec& spec, bool isDefaultButton,
                                                   const DialogUnits& units, QWidget* parent,
                                                   ControlEvents& events) {
    const QRect rect = units.Rect(spec.x, spec.y, spec.width, spec.height);
    switch (spec.kind) {
        case ControlKind::Static:
            return std::make_unique<LabelBinding>(spec, rect, parent);
        case ControlKind::GroupBox:
            return std::make_unique<GroupBinding>(spec, rect, parent);
        case ControlKind::Edit:
            return std::make_unique<EditBinding>(spec, rect, parent, events);
        case ControlKind::Button:
            return MakePushButton(spec, isDefaultButton, rect, parent, events);
        case ControlKind::Radio:
            return MakeRadioButton(spec, rect, parent, events);
        case ControlKind::CheckBox:
            return MakeCheckBox(spec, rect, parent, events);
        case ControlKind::DropList:
        case ControlKind::DropDown:
            return std::make_unique<ComboBinding>(spec, rect, parent, events);
        case ControlKind::Picture:
            return std::make_unique<PictureBinding>(spec, rect, parent);
    }
    return nullptr;
}

}  // namespace vorna
