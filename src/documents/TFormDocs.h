#pragma once

#include "documents/DocumentList.h"
#include "documents/DocumentSearch.h"
#include "documents/DocumentTableModel.h"

#include <QDialog>
#include <memory>

class QLabel;
class TFormFInfo;
class TFormFrage;

namespace Ui {
class TFormDocs;
}

// The documents linked to one invoice: the list file of its key, shown with file names and dates.
// Every change is written at once, so closing asks nothing.
class TFormDocs final : public QDialog {
    Q_OBJECT

public:
    // The file information window comes after this one in the creation order; only its reference is kept.
    TFormDocs(TFormFrage &prompt, TFormFInfo &fileInfo, QWidget *parent = nullptr);
    ~TFormDocs() override;

    QString Unternehmen; // the document key, set by the opener
    QString DatenPfad;   // the data folder, set by the opener
    QString PanelText;   // the list file's name, shown in the status bar

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void ButtonOpenClick();
    void ButtonSaveClick();
    void ButtonFindClick();
    void ToolButtonShowClick();
    void ToolButtonDelClick();
    void ButtonPrintClick();
    void ButtonQuitClick();
    void ListDocsColumnClick(int column);
    void SearchOnKey();
    void HelpKey();

private:
    void FormShow();
    void setUpList();
    void setUpStatusBar();
    void setUpKeys();
    void connectButtons();
    void loadList();
    bool reportWrite(const QString &error);
    int selectedRow() const;
    void selectRow(int row);
    void search();
    void showPanelText(const QString &text);
    void paintPanel();
    QList<int> columnWidths() const;

    std::unique_ptr<Ui::TFormDocs> ui;
    TFormFrage &m_prompt;
    TFormFInfo &m_fileInfo;
    DocumentList m_list;
    DocumentTableModel m_model;
    DocumentSearch m_search;
    QLabel *m_panel = nullptr;
};
