// SPDX-License-Identifier: MIT
// Figures for the picture options: frame times with "Объёмное изображение"
// and "Сглаживание" off and on, and the time to save the largest picture.
#pragma once

namespace vestrel::bench {

// Prints the figures; frames per case as in the main table.
void MeasurePictureOptions(int frames);

} // namespace vestrel::bench
