#pragma once

#include <QValidator>

class QLineEdit;

// A length limit on what the user types or pastes, unlike QLineEdit::setMaxLength, which also cuts text
// that the program puts into the field. Insertions beyond the limit are shortened; edits that do not
// lengthen the text are always allowed.
class TLunghezzaMassima : public QValidator {
    Q_OBJECT
public:
    TLunghezzaMassima(QLineEdit* campo, int massimo);
    int massimo() const { return limite; }
    State validate(QString& input, int& pos) const override;
    // Text put in by the program: never cut, whatever its length.
    static void impostaTesto(QLineEdit* campo, const QString& testo);

private:
    QString ultimo; // the text before the change being validated (the field already holds the new one)
    int limite;
    bool sospeso = false;
};
