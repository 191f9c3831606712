// The settings dialog as a test works it, the same on both builds: in memory on Linux, the real
// controls of template 102 under Wine.
#pragma once

#include "dialog/DialogControls.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

// What a person does with the open dialog and what they see of it.
class DialogUser
{
  public:
    virtual std::wstring Text(int id) const = 0;
    virtual short Spin(int spinId) const = 0;
    virtual bool Enabled(int id) const = 0;
    virtual bool Checked(int id) const = 0;
    // The control with the focus; 0 for none.
    virtual int Focused() const = 0;
    // The box's selection, start and end; the caret when they are equal.
    virtual std::pair<int, int> Selection(int boxId) const = 0;
    virtual bool IsOpen() const = 0;

    // Replaces the whole text, as a paste over a selection does.
    virtual void Paste(int boxId, const std::wstring& text) = 0;
    // Types one character at the caret, over the selection.
    virtual void Key(int boxId, wchar_t key) = 0;
    virtual void Click(int id) = 0;
    virtual void ClickSpinUp(int spinId) = 0;
    // The Up and Down keys in a box.
    virtual void PressUp(int boxId) = 0;
    virtual void PressDown(int boxId) = 0;
    // The close box in the title bar.
    virtual void CloseBox() = 0;

    // Empties the box, then types the keys one by one.
    void Type(int boxId, const std::wstring& keys)
    {
        Paste(boxId, L"");
        for (const wchar_t key : keys)
            Key(boxId, key);
    }
    bool HasFocusWithAllSelected(int boxId) const
    {
        return Focused() == boxId &&
               Selection(boxId) == std::make_pair(0, static_cast<int>(Text(boxId).size()));
    }

  protected:
    ~DialogUser() = default;
};

// The settings dialog's controls of this build, and a way to run them.
class ControlsUnderTest
{
  public:
    virtual ~ControlsUnderTest() = default;
    virtual CDialogControls& Controls() = 0;
    // Runs the dialog, reporting to events: once it is open, the user's part runs; a dialog still
    // open after it is cancelled as Esc does. Returns the result given to Close. An exception
    // from a handler ends the run and comes out of here.
    virtual INT_PTR Run(CDialogEvents& events, const std::function<void(DialogUser&)>& user) = 0;
};

// Defined once per build: tests/fakes on Linux, tests/wine under Wine.
std::unique_ptr<ControlsUnderTest> MakeControlsUnderTest();
