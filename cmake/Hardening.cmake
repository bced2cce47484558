# The hardening Debian expects of a packaged program: fortified libc calls,
# stack protection, position-independent code and a read-only relocation table
# bound at start (full RELRO with bind-now). Off by default: fortification
# needs optimisation and gets in the sanitizers' way; the release preset, which
# `make package` builds, turns it on.
option(QV_HARDEN "Build with Debian's hardening flags" OFF)

if(QV_HARDEN)
  include(CheckCXXCompilerFlag)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong
                      -Wformat -Werror=format-security)
  # Not every architecture has these two.
  foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "QV_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      add_compile_options(${flag})
    endif()
  endforeach()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
