#pragma once

#include "register/RecordSearch.h"

#include <optional>

class RecordEditor;
class RecordSession;
class TFormFrage;

// "Suchen" and "Weitersuchen": asks for the term, finds over the loaded year and shows the hit.
class SearchCommand {
public:
    SearchCommand(RecordSession &session, RecordEditor &editor, TFormFrage &prompt);

    void Suchen1Click();
    void Weitersuchen1Click();

private:
    void showSearchHit(std::optional<qsizetype> hit);

    RecordSearch m_search;
    RecordEditor &m_editor;
    TFormFrage &m_prompt;
};
