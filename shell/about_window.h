#pragma once
// The about window: who made the program and for whom, its version and a link
// to the author's web site. The main window takes no input while it is open.

void OpenAbout();
void CloseAbout();
// Opens the author's web site with the desktop's default handler.
void OpenAuthorWebSite();
