// The input fields' last guard, one for all fields of a kind: whatever way text might still take
// into a field, it is digits, in the start group field followed by at most one group letter (9a).
#pragma once

#include <QValidator>

namespace korvalt {

class Ziffernpruefer : public QValidator {
  public:
    explicit Ziffernpruefer(bool gruppenbuchstabe, QObject* eltern = nullptr)
        : QValidator(eltern), gruppenbuchstabe_(gruppenbuchstabe) {}

    // Every beginning of an acceptable text is acceptable too, so nothing is ever intermediate.
    State validate(QString& text, int& stelle) const override;

  private:
    bool gruppenbuchstabe_;
};

}  // namespace korvalt
