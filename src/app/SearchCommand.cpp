#include "app/SearchCommand.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"
#include "register/TFormFrage.h"

SearchCommand::SearchCommand(RecordSession &session, RecordEditor &editor, TFormFrage &prompt)
    : m_search(session)
    , m_editor(editor)
    , m_prompt(prompt)
{
}

void SearchCommand::Suchen1Click()
{
    m_search.end();
    if (!m_search.hasText())
        return;
    m_search.restart(m_prompt.ask());
    if (m_search.term().isEmpty())
        return;
    showSearchHit(m_search.findFirst());
}

// The search never starts over from the first record: after the last one it ends.
void SearchCommand::Weitersuchen1Click()
{
    if (!m_search.canContinue()) {
        m_search.end();
        showSearchHit(std::nullopt);
        return;
    }
    showSearchHit(m_search.findNext());
}

// A hit the editor could not show (the user kept unsaved input) is not taken as the last hit.
void SearchCommand::showSearchHit(std::optional<qsizetype> hit)
{
    if (!hit) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Information, QStringLiteral("Suchbegriff nicht gefunden."));
        return;
    }
    if (m_editor.showRecord(*hit))
        m_search.acceptHit(*hit);
}
