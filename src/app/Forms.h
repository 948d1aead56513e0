#pragma once
// Creates every window once, in the order they have always been created,
// the main menu first so that it is the main window.

void CreateForms();
