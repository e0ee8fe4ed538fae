#pragma once

#include <QDialog>

class QLabel;
class TfrmCartoline;

// Search window: filters over the open catalogue, then a sorted list of the matching cards.
class TfrmTrovaCartoline : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaCartoline(TfrmCartoline* editor);
    QLabel* lblMemory; // what is searched, shown in the window's texts

private:
    TfrmCartoline* editor_;
};
