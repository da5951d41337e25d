/* int CallMeasuringStack(const void *function, const unsigned *arguments,
 *                        int count, int *result)
 * Pushes the 32-bit arguments right to left, calls the function as a
 * stdcall caller does (without removing them afterwards) and returns how
 * many bytes the callee left on the stack: 0 when it popped its arguments. */
    .text
    .globl _CallMeasuringStack
_CallMeasuringStack:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi             /* preserved by every Windows callee */
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  call *8(%ebp)
    movl 20(%ebp), %ecx
    movl %eax, (%ecx)
    movl %edi, %eax
    subl %esp, %eax
    movl %edi, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
