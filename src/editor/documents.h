#pragma once
// The File commands New, Open, Save and Save As, the handlers of their menu items (the
// toolbar and Ctrl+N, Ctrl+O, Ctrl+S run them through those items).

#include <functional>
#include <string>

namespace editor {

// What the File commands need from the program above the editor; it fills both slots at
// start-up. AskQuestionSlot asks a Yes / No / Cancel question and leaves G.QueryCancel
// False only for Yes; ApplyResultCaptionsSlot brings the results panel's captions in line
// with the units and axes of a document just read.
inline std::function<void(const std::string& Question)> AskQuestionSlot;
inline std::function<void()> ApplyResultCaptionsSlot;

inline constexpr const char* DocumentFilter =
    "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Quorvane Files (*.qvn)|*.qvn";
inline constexpr const char* InvalidFileMessage = "Invalid File or File Not Found!";
inline constexpr const char* ManualConstantsNote =
    "Please note custom Torsional or Warping Constant information will not be saved.";
inline constexpr const char* SaveFailedMessage =
    "The file could not be saved. The file on disk was left as it was; check that its folder exists and can be "
    "written to.";

// An empty section, untitled and unchanged; the view and the unit and axis modes stay.
void New_Click();
// Opens G.CommandLineFile once when it is set (surrounding double quotes dropped), else
// the path chosen in the open dialog. A file is applied only when all of it reads well.
void Open_Click();
// Writes the document to its path when it has changes; an untitled one goes to Save As.
void Save_Click();
// Asks for a path, adds ".qvn" unless the name ends in "qvn" or "QVN", and writes there.
void Saveas_Click();

// Replaces `path` with `text` through a temporary file in the same folder, so a failed
// write leaves the old file as it was. False, with nothing changed, on any failure.
bool ReplaceFileContents(const std::string& path, const std::string& text);

}  // namespace editor
