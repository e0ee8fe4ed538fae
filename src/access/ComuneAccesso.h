#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Pieces shared by the login and password-change windows.

// The information picture: a padlock beside a heading and a few lines of text.
class TLogoAccesso : public QWidget {
    Q_OBJECT
public:
    TLogoAccesso(QWidget* parent, const QString& titolo, const QStringList& righe, QColor colore);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString titolo;
    QStringList righe;
    QColor colore;
};

namespace Accesso {
// A masked password field in the large bold face of both windows; the accessible name is its label.
QLineEdit* campoPassword(QWidget* parent, const QString& nome, const QString& etichetta, QRect dove);
QLabel* etichetta(QWidget* parent, const QString& nome, const QString& testo, QRect dove);
QPushButton* pulsante(QWidget* parent, const QString& nome, const QString& testo, QRect dove);
} // namespace Accesso
