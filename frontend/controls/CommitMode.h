#pragma once
// How an editor's entry is committed before a command reads the project:
// telling the user why an entry is refused and putting the focus back where
// it was typed, or quietly, writing what is accepted and leaving a refused
// entry for the command that needs it to tell (a menu that opens only
// prepares its items).

namespace zavik {

enum class TCommitMode { Tell, Quiet };

}  // namespace zavik
