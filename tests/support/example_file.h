// The data file of the one-line example drawing.
#pragma once

// The data file of the one-line drawing (100, 200) to (150, 250), whole, as the cross-section
// generation reads it.
inline constexpr const char* kExampleFile =
    "X,Y,Line,CADoCode\r\n"
    "Qelt-CAD-v3\r\n"
    " \r\n"
    "Define CADline IndexData > <bySequence> \r\n"
    "Define InLineData > Point \r\n"
    "Define Point IndexData > <X> <Y> <type>\r\n"
    "Define TopLevelData CAD_Qelt>             TopLevel\r\n"
    "Define        GroupData CAD_Lines >         CADline\r\n"
    "Define        CADline >                     CADline #=1\r\n"
    "LoopingStart     CADline Loop >                 CADline=1   #=2\r\n"
    "LoopingComment       InLineData comment >           X    Y    Type\r\n"
    "InLine               Point >                        100  200  UN\r\n"
    "InLine               Point >                        150  250  UN\r\n"
    "LoopEnd              Endof >                        ________EndOf \r\n"
    "LoopEnd          Endof >                        ___EndOf\r\n"
    " \r\n"
    "Define GroupData >       Group \r\n"
    "Define LineData >        LineNum\r\n"
    " \r\n"
    "               >        End \r\n"
    "DataFIle                                EndOfDataFile\r\n";
