#pragma once

class StartPage;
class ProgrammingPage;
class AboutBox;
class ProfileEditor;

// The program's four windows, created once at start; pages reach each other
// through them.
struct Windows {
  StartPage* fStart = nullptr;
  ProgrammingPage* Form1 = nullptr;
  AboutBox* frmAbout = nullptr;
  ProfileEditor* Form3 = nullptr;
};
