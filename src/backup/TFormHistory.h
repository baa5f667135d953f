#pragma once

#include "backup/HistorySearch.h"
#include "platform/TextFile.h"

#include <QDialog>
#include <memory>

class QKeyEvent;
class QLabel;

namespace Ui {
class TFormHistory;
}

// Shows the backup history as free text to read, search, edit, empty and save.
class TFormHistory final : public QDialog {
    Q_OBJECT

public:
    TFormHistory();
    ~TFormHistory() override;

    QString HistDatei; // full path of the history file, set by the opener
    int Sprache = 0;
    void setStatusText(const QString &text);

public Q_SLOTS:
    void ButtonClearClick();
    void ButtonSaveClick();
    void ButtonFindClick();
    void ButtonQuitClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void searchOn();
    void showHit(const std::optional<HistorySearch::Hit> &hit);
    QString write() const;

    std::unique_ptr<Ui::TFormHistory> ui;
    QLabel *m_statusPanel = nullptr;
    HistorySearch m_search;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    // The file as read and the text area's raw text right after showing it: a save without an edit
    // writes the file back byte for byte, whatever the text area makes of its characters.
    QByteArray m_shownBytes;
    QString m_shownText;
};
