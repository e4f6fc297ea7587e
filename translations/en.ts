<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CliRunner</name>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>in a block</comment>
        <translation>
            <numerusform>%n timemark row</numerusform>
            <numerusform>%n timemark rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1: %n pairs quarantined by the filters</source>
        <translation>
            <numerusform>Block %1: %n pair quarantined by the filters</numerusform>
            <numerusform>Block %1: %n pairs quarantined by the filters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block %1: the filters found %n rows, but the pairs cannot be quarantined: Count photos and timemarks must be equal</source>
        <translation>
            <numerusform>Block %1: the filters found %n row, but the pairs cannot be quarantined: Count photos and timemarks must be equal</numerusform>
            <numerusform>Block %1: the filters found %n rows, but the pairs cannot be quarantined: Count photos and timemarks must be equal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not copied: %n photos</source>
        <translation>
            <numerusform>Not copied: %n photo</numerusform>
            <numerusform>Not copied: %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied without geotag (metadata could not be written): %n photos</source>
        <translation>
            <numerusform>Copied without geotag (metadata could not be written): %n photo</numerusform>
            <numerusform>Copied without geotag (metadata could not be written): %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Metadata could not be read: %n photos</source>
        <translation>
            <numerusform>Metadata could not be read: %n photo</numerusform>
            <numerusform>Metadata could not be read: %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Missing from the coordinate file: %n photos</source>
        <translation>
            <numerusform>Missing from the coordinate file: %n photo</numerusform>
            <numerusform>Missing from the coordinate file: %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Latitude/longitude not written for want of a UTM zone (see --utm-zone): %n photos</source>
        <translation>
            <numerusform>Latitude/longitude not written for want of a UTM zone (see --utm-zone): %n photo</numerusform>
            <numerusform>Latitude/longitude not written for want of a UTM zone (see --utm-zone): %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not processed, the run broke off first: %n photos</source>
        <translation>
            <numerusform>Not processed, the run broke off first: %n photo</numerusform>
            <numerusform>Not processed, the run broke off first: %n photos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilesWork</name>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>timemark rows for photos</comment>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 from %n files were copied and processed in %2</source>
        <extracomment>%1 photos copied, %n photos handled, %2 the time, as &quot;%n seconds&quot;</extracomment>
        <translation>
            <numerusform>%1 from %n file was copied and processed in %2</numerusform>
            <numerusform>%1 from %n files were copied and processed in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time a run took</comment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FlyData</name>
    <message numerus="yes">
        <source>Added %n photos, %1</source>
        <translation>
            <numerusform>Added %n photo, %1</numerusform>
            <numerusform>Added %n photos, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added timemark file with %n rows. %1</source>
        <translation>
            <numerusform>Added timemark file with %n row. %1</numerusform>
            <numerusform>Added timemark file with %n rows. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Block sliced to %n blocks</source>
        <translation>
            <numerusform>Block sliced to %n block</numerusform>
            <numerusform>Block sliced to %n blocks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineConversionReport</name>
    <message numerus="yes">
        <source>Timemark rows that are no usable position: %n. The file is refused as a whole (first: %1: %2). Check the column roles, the first row and the coordinate system.</source>
        <translation>
            <numerusform>Timemark rows that are no usable position: %n. The file is refused as a whole (first: %1: %2). Check the column roles, the first row and the coordinate system.</numerusform>
            <numerusform>Timemark rows that are no usable position: %n. The file is refused as a whole (first: %1: %2). Check the column roles, the first row and the coordinate system.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%n photos were processed before it stopped</source>
        <translation>
            <numerusform>%n photo was processed before it stopped</numerusform>
            <numerusform>%n photos were processed before it stopped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Processing was not started: photos and timemarks do not pair one to one by time in block %1</source>
        <extracomment>%1 is one block number or a list of them (&quot;1, 3&quot;); the count chooses block or blocks</extracomment>
        <translation>
            <numerusform>Processing was not started: photos and timemarks do not pair one to one by time in block %1</numerusform>
            <numerusform>Processing was not started: photos and timemarks do not pair one to one by time in blocks %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PairingDialog</name>
    <message numerus="yes">
        <source>%n pairs by time</source>
        <translation>
            <numerusform>%n pair by time</numerusform>
            <numerusform>%n pairs by time</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>the pairs were found among them</comment>
        <translation>
            <numerusform>%n timemark row</numerusform>
            <numerusform>%n timemark rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos without a timemark row</source>
        <translation>
            <numerusform>%n photo without a timemark row</numerusform>
            <numerusform>%n photos without a timemark row</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows without a photo</source>
        <translation>
            <numerusform>%n timemark row without a photo</numerusform>
            <numerusform>%n timemark rows without a photo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n timemark rows</source>
        <comment>taken out</comment>
        <translation>
            <numerusform>%n timemark row</numerusform>
            <numerusform>%n timemark rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PairingText</name>
    <message numerus="yes">
        <source>%n photos</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>paired by time</comment>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunOutcome</name>
    <message numerus="yes">
        <source>%n photos need attention: the error list names them and says why</source>
        <translation>
            <numerusform>%n photo needs attention: the error list names it and says why</numerusform>
            <numerusform>%n photos need attention: the error list names them and says why</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimemarkFile</name>
    <message numerus="yes">
        <source>%1 holds a line longer than %n characters; it is not a timemark file</source>
        <translation>
            <numerusform>%1 holds a line longer than %n character; it is not a timemark file</numerusform>
            <numerusform>%1 holds a line longer than %n characters; it is not a timemark file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds more than %n rows; a timemark file has one row per photo</source>
        <translation>
            <numerusform>%1 holds more than %n row; a timemark file has one row per photo</numerusform>
            <numerusform>%1 holds more than %n rows; a timemark file has one row per photo</numerusform>
        </translation>
    </message>
</context>
</TS>
