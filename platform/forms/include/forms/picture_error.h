// The error a picture file that cannot be loaded raises, in either backend.
#ifndef PELLORY_FORMS_PICTURE_ERROR_H
#define PELLORY_FORMS_PICTURE_ERROR_H

#include "forms/errors.h"
#include "forms/text.h"

namespace forms {

// A picture file that is missing, unreadable or not a picture; the message
// names the file and the reason.
class PictureError : public Error {
public:
    PictureError(TextView file, TextView reason);
};

} // namespace forms

#endif
