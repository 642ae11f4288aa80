#pragma once

namespace kx {
class Forms;

// A loaded belt is in front, locked as the load leaves it: the plain
// editor with its bars disabled, or the modular editor without toolbars.
bool loadedBeltInFront(Forms& forms);

// Offers "Edit this belt" while a loaded belt is in front; every set-up
// asks anew.
void offerEditBelt(Forms& forms);

// The Click of band_bearbeiten: a fresh editor of the loaded belt's kind
// and direction, set up as its New command does, with the belt's width,
// length, features and pieces put in through the editor's own controls and
// the placement engine, unlocked.
void band_bearbeiten_Click(Forms& forms);

} // namespace kx
