#pragma once

#include "blocks/pairingresult.h"

#include <QDialog>

#include <memory>

class FlyData;

namespace Ui {
class PairingDialog;
}

/**
 * The outcome of a block's pairing check by time: the verdict with the clock offset, the
 * photos without a timemark row and the rows without a photo, and the removal of both from
 * the block's lists with one step back. Shows the block's last check; the block must have
 * been checked before the dialog is made.
 */
class PairingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PairingDialog(FlyData *fly, QWidget *parent = nullptr);
    ~PairingDialog() override;

    /// The check shown, as it was when the dialog was made.
    const PairingResult &result() const { return m_result; }

private:
    void showResult();
    /// Gives the wrapped texts the lines they need at the dialog's width.
    void fitHeight();
    /// Follows the block: what may be removed or restored, and what the lists still hold.
    void updateState();
    void removeUnmatched();
    void restore();

    std::unique_ptr<Ui::PairingDialog> m_ui;
    FlyData *m_fly;
    PairingResult m_result;
    bool m_removedHere = false; // "Remove unmatched" in this dialog took the listed items out
};
