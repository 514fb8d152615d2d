# The reports: content and layout in the core; printing, PDF files, the PDF
# component, the bitmaps and the catalogue cards offscreen. The PDF checks read
# the files back with poppler's pdftotext, pdfinfo and pdffonts.
kalmo_core_test(test_report_content test_report_content.cpp)
kalmo_gui_test(test_report_output test_report_output.cpp ReportSample.h)
kalmo_gui_test(test_report_files test_report_files.cpp)
# Every report's pages laid out with the build's bitmaps and steam table.
kalmo_gui_test(test_report_layout test_report_layout.cpp)

find_program(KALMO_PDFTOTEXT pdftotext)
find_program(KALMO_PDFINFO pdfinfo)
find_program(KALMO_PDFFONTS pdffonts)
foreach(test test_report_output test_report_files)
    target_compile_definitions(${test} PRIVATE
        KALMO_PDFTOTEXT="${KALMO_PDFTOTEXT}"
        KALMO_PDFINFO="${KALMO_PDFINFO}"
        KALMO_PDFFONTS="${KALMO_PDFFONTS}"
        KALMO_TEST_WORK_DIR="${CMAKE_CURRENT_BINARY_DIR}/report_work")
    # The component and the bitmaps come with the runtime files.
    add_dependencies(${test} dspdf)
endforeach()
