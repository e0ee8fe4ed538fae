#pragma once

#include <QDialog>

class TfrmCartoline;

// For-sale list: every card of the open catalogue whose specimen is offered for sale.
class TfrmInVendita : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInVendita(TfrmCartoline* editor);

private:
    TfrmCartoline* editor_;
};
