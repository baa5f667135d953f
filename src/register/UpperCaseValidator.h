#pragma once

#include <QValidator>

// Turns typed and pasted letters into capitals as they arrive.
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
