#pragma once

#include "app/memory_text_field.h"
#include "app/refresh_cycle.h"

#include <string>

namespace tarvola {

// The main window's six fields held in memory, each with its default text and length as when
// the window opens, and the refresh cycle's view of them: for running ticks without a window.
struct MemoryForm {
    MemoryForm() = default;
    // `fields` refers to this object's own fields, so a copy would refer to the original's.
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;

    // Puts the degrees, minutes and seconds into Text1..Text3 as a user would type them.
    void typeDms(std::string degrees, std::string minutes, std::string seconds);

    MemoryTextField text1 {kText1Default};
    MemoryTextField text2 {kText2Default};
    MemoryTextField text3 {kText3Default};
    MemoryTextField text4 {kText4Default};
    MemoryTextField text5 {kText5Default};
    MemoryTextField text6 {kText6Default};
    const RefreshFields fields {text1, text2, text3, text4, text5, text6};
};

} // namespace tarvola
