// A digits-only number field with up-down arrows that keeps whatever number was typed.
#pragma once

#include <QAbstractSpinBox>

namespace corvane {

/// Edit field for a board side. Typing accepts digits only; the arrows and the Up/Down keys
/// step within [minimum, maximum] and stop there. Unlike QSpinBox the typed text is never
/// clamped or corrected, so the owner sees exactly what the user entered (0, 101, empty).
class SizeField : public QAbstractSpinBox {
  public:
    SizeField(int minimum, int maximum, QWidget* parent = nullptr);

    /// The text read as an unsigned number; text that is not a number reads as 0.
    unsigned number() const;
    /// Shows `value` in decimal.
    void setNumber(unsigned value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int minimum_;
    int maximum_;
};

/// `text` read as an unsigned decimal number: surrounding blanks allowed, anything else
/// (empty, signs, letters, a value beyond 32 bits) reads as 0.
unsigned readUnsigned(const QString& text);

} // namespace corvane
