# Settings every target of ours shares.
function(pellory_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra
    # The blend and the glow maths must be bit-exact: no fused multiply-add.
    -ffp-contract=off)
  if(PELLORY_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
