#pragma once

#include "register/InvoiceListModel.h"

class RecordEditor;
class TFormAppListe;

// The three invoice lists; the record chosen in a list is shown in the main window.
class ListCommand {
public:
    ListCommand(TFormAppListe &list, RecordEditor &editor);

    void Alle1Click();
    void Faellig1Click();
    void Offen1Click();

private:
    void showList(InvoiceListModel::Kind kind);

    TFormAppListe &m_list;
    RecordEditor &m_editor;
};
