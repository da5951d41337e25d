// Test seam for code that allocates through the global operator new: a
// program that links failing_operator_new.cpp can make one chosen call of
// it throw std::bad_alloc, in its own code and in the shared libraries it loads.
#ifndef PELLORY_TESTS_FAILING_OPERATOR_NEW_H
#define PELLORY_TESTS_FAILING_OPERATOR_NEW_H

namespace pellory_test {

// The call of operator new that follows `skipped` successful ones throws, once.
void FailAllocationAfter(int skipped);
// Disarms; true when the armed failure was thrown.
bool ClearAllocationFailure();

} // namespace pellory_test

#endif
