#pragma once
// What the workflow needs of the file commands: saving the running analysis before it is
// closed or replaced, and forgetting the file it came from.

namespace wattmere {

class FileCommands {
public:
    virtual ~FileCommands() = default;

    // Save Analysis: writes the analysis to its current file, or asks for one when it has
    // none. True only when the analysis was written (false when the user cancelled, a check
    // refused it or the write failed).
    virtual bool SaveFileClick() = 0;

    // Forgets the current file path, so that the next save asks for a name.
    virtual void forgetCurrentFile() = 0;
};

} // namespace wattmere
