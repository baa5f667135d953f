#include "app/ListCommand.h"

#include "register/RecordEditor.h"
#include "register/TFormAppListe.h"

ListCommand::ListCommand(TFormAppListe &list, RecordEditor &editor)
    : m_list(list)
    , m_editor(editor)
{
}

void ListCommand::Alle1Click()
{
    showList(InvoiceListModel::Kind::All);
}

void ListCommand::Faellig1Click()
{
    showList(InvoiceListModel::Kind::Due);
}

void ListCommand::Offen1Click()
{
    showList(InvoiceListModel::Kind::Open);
}

void ListCommand::showList(InvoiceListModel::Kind kind)
{
    if (const std::optional<qsizetype> index = m_list.showList(kind))
        m_editor.showRecord(*index);
}
