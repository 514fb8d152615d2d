#pragma once
// The PDF component "dspdf": a run-time loaded library that turns recorded
// report pages into a PDF file. The program loads it by file name from its own
// directory for every PDF report and fetches these six C entry points by name.
//
// Call order for one report:
//   BeginDoc(file) → SetPage(2, 0, 0, 0) → PrintPageM(page 1)
//     [→ NewPage → PrintPageM(page 2)] → EndDoc
// A page is the serialised bytes of a QPicture (QPicture::data()), recorded in
// the pixels of the reporting window's screen; its text stays text in the PDF.
// The bytes must stay valid until the call returns.
//
// Every entry point returns 0 on success and a DspdfError otherwise. The file is
// written to a temporary file beside the target and renamed over it only by a
// successful EndDoc; after any failure the target is left as it was, and no
// temporary file stays behind.

#include <cstdint>

extern "C" {

enum DspdfError : int32_t {
    DspdfOk = 0,
    DspdfOrder = 1,   // called out of the order above
    DspdfOpen = 2,    // the target's folder cannot take the file
    DspdfPage = 3,    // page bytes are not a recorded page
    DspdfWrite = 4,   // the file could not be written or renamed
    DspdfFailed = 5,  // EndDoc after an earlier failure of this document
    DspdfNoPages = 6, // EndDoc without a page
};

// Starts a document that will be written to `fileName` (8-bit, the local file
// name encoding, zero-terminated). A document still open is dropped.
typedef int32_t (*DspdfBeginDoc)(const char* fileName);
// Page set-up for all following pages: paper 2 = A4 (1 = US Letter), orientation
// 0 = portrait (1 = landscape), left and top margins in millimetres.
typedef int32_t (*DspdfSetPage)(int32_t paper, int32_t orientation, int32_t marginLeft,
                                int32_t marginTop);
// Renders one page from its recorded bytes.
typedef int32_t (*DspdfPrintPageM)(const void* data, int32_t size);
// Starts the next page.
typedef int32_t (*DspdfNewPage)(void);
// Finishes the document and puts the file in place.
typedef int32_t (*DspdfEndDoc)(void);
// Renders one page from a file holding the recorded bytes (not used by the program).
typedef int32_t (*DspdfPrintPageF)(const char* fileName);

} // extern "C"
