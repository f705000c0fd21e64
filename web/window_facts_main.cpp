// Prints the window facts (web/window_facts.h) as one line of JSON: run under Node while the page
// is assembled, so that the page carries its windows' facts and draws the main window without
// waiting for the module.

#include "web/window_facts.h"

#include <cstdio>

int main()
{
    const std::string facts = tarvola::WindowFactsJson();
    return std::fputs(facts.c_str(), stdout) >= 0 && std::fputs("\n", stdout) >= 0 ? 0 : 1;
}
