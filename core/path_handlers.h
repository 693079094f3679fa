#pragma once
// Choosing and loading the two team files, without a window: the "..." click
// after its dialog, the two path fields with their change handlers, the labels
// they write and the checks that decide whether the pair is compared.
//
// The window mirrors the state kept here in its controls and shows the
// message boxes; the report tool prints them. Errors that the window's
// top-level report shows (a file that cannot be opened, a bad date, a number
// that is not one, an archive error) leave these functions as squadlens::Error,
// and what was written before them stays.

#include "core/engine.h"
#include "core/paint_rules.h"

#include <optional>
#include <string>

namespace squadlens {

enum class Side { Old, New };
enum class MessageIcon { Error, Information };

// A label's caption (UTF-8) and font colour.
struct LabelState {
    std::string caption;
    Rgb colour;
    friend bool operator==(const LabelState &, const LabelState &) = default;
};

class HandlerView : public RunView {
public:
    // Modal, one OK button; the result is never used. Texts are UTF-8.
    virtual void messageBox(const std::string &text, const std::string &title, MessageIcon icon) = 0;
};

// The path label of a chosen file: whole up to 44 characters, else its first
// character, "...", and its last 35 characters (":\..." after a drive letter).
std::string shortenPath(const std::string &utf8Path);

// An archive is a name whose last three characters are exactly "zip".
bool isArchiveName(const std::string &name);

class PathHandlers {
public:
    PathHandlers(Engine &engine, HandlerView &view);

    // The side's "..." button after its dialog closed: `chosen` is the full
    // path, or nothing when the user cancelled. Archives are unpacked into
    // the scratch folder first and the team file they hold is loaded.
    void fileChosen(Side side, const std::optional<std::string> &chosen);

    // Writes a path field; its change handler runs, inside the write, only
    // when the text really changes.
    void setPath(Side side, const std::string &path);

    void openOldFilePathChange() { pathChanged(Side::Old); }
    void openNewFilePathChange() { pathChanged(Side::New); }

    const std::string &path(Side side) const { return at(side).path; }
    int dialogTag(Side side) const { return at(side).dialogTag; }
    const LabelState &pathLabel(Side side) const { return at(side).pathLabel; }  // Label3 / Label4
    const LabelState &teamLabel(Side side) const { return at(side).teamLabel; }  // LabelOF / LabelNF

    // Where archives are unpacked; squadlens::scratchFolder() by default: the
    // executable's "~tmp" folder, or a private per-user one when installed.
    void setScratchFolder(std::string folder) { m_scratch = std::move(folder); }
    const std::string &scratchFolder();

    Engine &engine() { return m_engine; }

private:
    struct SideState {
        std::string path;
        int dialogTag = 0;
        LabelState pathLabel;
        LabelState teamLabel;
    };
    SideState &at(Side side) { return side == Side::Old ? m_old : m_new; }
    const SideState &at(Side side) const { return side == Side::Old ? m_old : m_new; }

    void pathChanged(Side side);
    void rejectPair(Side side);

    Engine &m_engine;
    HandlerView &m_view;
    SideState m_old, m_new;
    std::string m_scratch;
};

} // namespace squadlens
