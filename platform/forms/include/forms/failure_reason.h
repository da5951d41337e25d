// Why a file could not be read or written, in words for the user.
#ifndef PELLORY_FORMS_FAILURE_REASON_H
#define PELLORY_FORMS_FAILURE_REASON_H

#include "forms/text.h"

namespace forms {

// The reason for a failed file operation with error number `error` (errno):
// in Russian for the common cases (no permission, no space, not found, a
// folder or a file in the way), else the system's own text.
Text systemErrorReason(int error);

// What keeps `file` from being opened for reading (as systemErrorReason
// words it), or an empty text when it opens.
Text readingFailureReason(TextView file);

// The reason for a picture file that could not be loaded: what stands in the
// way of reading `file`, else that it is damaged or no picture at all.
Text pictureFailureReason(TextView file);

} // namespace forms

#endif
