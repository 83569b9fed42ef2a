#pragma once

#include "ui/wlanadv/CVRXPageWLanAdvBssList.h"

#include "ui/qt/FramedDialog.h"

class QPushButton;
class QTableWidget;

// The access-point list on screen: the caption bar, the list of five columns (whole rows selected, grid
// lines; a click on a heading sorts by that column, and the list opens with the strongest signal first)
// and Close. A double-click on a row, or Enter on the current row, picks its access point; Escape cancels.
// exec() returns the model's result (1 OK, 2 Cancel).
class CVRXPageWLanAdvBssListDlg : public FramedDialog {
    Q_OBJECT
public:
    // Item data of a row's first cell: the entry's position in the model's table.
    static constexpr int kItemDataRole = Qt::UserRole + 1;
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 330;

    CVRXPageWLanAdvBssListDlg(CVRXPageWLanAdvBssList& model, QWidget* mainWindow = nullptr);
    ~CVRXPageWLanAdvBssListDlg() override;

    int exec() override;
    // What exec() does before the dialog goes up: the model's start, the texts, size, place and focus (a
    // dialog shown without exec(), as the window tour shows it, calls it first).
    void Prepare();
    QTableWidget* List() const { return m_list; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void End();

    CVRXPageWLanAdvBssList& m_model;
    QWidget* m_mainWindow;
    QTableWidget* m_list = nullptr;
    QPushButton* m_close = nullptr;
    bool m_bDone = false;
};
