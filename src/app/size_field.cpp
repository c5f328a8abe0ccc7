// A digits-only number field with up-down arrows that keeps whatever number was typed.
#include "app/size_field.h"

#include <QLineEdit>

#include <algorithm>

namespace corvane {

unsigned readUnsigned(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
    bool ok = false;
    const unsigned value = trimmed.toUInt(&ok);
    return ok ? value : 0;
}

SizeField::SizeField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    setAccelerated(false);
}

unsigned SizeField::number() const {
    return readUnsigned(lineEdit()->text());
}

void SizeField::setNumber(unsigned value) {
    lineEdit()->setText(QString::number(value));
}

void SizeField::stepBy(int steps) {
    // A value outside the range (typed by hand) steps onto the nearest end of the range, so
    // Up on 0 shows the minimum and Down on 150 the maximum.
    const long long current = number();
    long long next = current + steps;
    if (current < minimum_ || current > maximum_) next = current;
    setNumber(static_cast<unsigned>(std::clamp<long long>(next, minimum_, maximum_)));
}

QValidator::State SizeField::validate(QString& input, int&) const {
    for (const QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return QValidator::Invalid;
    return QValidator::Acceptable;
}

QSize SizeField::sizeHint() const {
    QSize size = QAbstractSpinBox::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    size.setWidth(std::max(size.width(), digits + 2 * fontMetrics().height()));
    return size;
}

QAbstractSpinBox::StepEnabled SizeField::stepEnabled() const {
    const unsigned value = number();
    StepEnabled enabled = StepNone;
    if (value < static_cast<unsigned>(maximum_)) enabled |= StepUpEnabled;
    if (value > static_cast<unsigned>(minimum_)) enabled |= StepDownEnabled;
    return enabled;
}

} // namespace corvane
