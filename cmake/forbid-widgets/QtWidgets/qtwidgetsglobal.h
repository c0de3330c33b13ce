// Logic libraries are built with this folder first on the include path: any
// header of Qt Widgets pulls this file in and stops the build.
#error "Logic code must not use Qt Widgets; move this code to a window file."
