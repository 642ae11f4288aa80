#pragma once

namespace kx {
class Forms;

// Installs revising a belt: "Edit this belt", undo and redo, and the
// history that every set-up starts afresh.
void installRevisions(Forms& forms);
} // namespace kx
