// The title the application object gives the program.
#ifndef PELLORY_FORMS_WIN32_PROGRAM_TITLE_H
#define PELLORY_FORMS_WIN32_PROGRAM_TITLE_H

#include "forms/text.h"

namespace forms {

// Until it is set, the title is the executable's name without its extension.
void setProgramTitle(TextView title);

} // namespace forms

#endif
