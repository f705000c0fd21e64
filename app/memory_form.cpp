#include "app/memory_form.h"

#include <utility>

namespace tarvola {

void MemoryForm::typeDms(std::string degrees, std::string minutes, std::string seconds)
{
    text1.type(std::move(degrees));
    text2.type(std::move(minutes));
    text3.type(std::move(seconds));
}

} // namespace tarvola
