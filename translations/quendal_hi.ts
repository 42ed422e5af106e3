<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ChartLabels</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(R)</source>
        <extracomment>The retrograde mark after a body&apos;s label</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(T)</source>
        <extracomment>A transiting body&apos;s mark in the chart</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(T, R)</source>
        <extracomment>A transiting body that is retrograde</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartOptionsMenu</name>
    <message>
        <source>&amp;Zodiac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions only: the classic formulas have a node of their own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shodashavarga and &amp;Nakshatras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sidereal (Lahiri)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal (&amp;Krishnamurti)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal (&amp;Raman)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal (True &amp;Chitrapaksha)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal (&amp;Yukteshwar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal (&amp;Fagan-Bradley)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashaWindow</name>
    <message>
        <source>In force today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari Dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A year of the dasha is 365.25 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari Dasha (%1-day year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A year of the dasha is %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon in %1, pada %2, lord %3. Balance at birth: %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The new language shows when Quendal starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchPage</name>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match: %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtakoota guna milan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars (Manglik)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF page could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchWindow</name>
    <message>
        <source>Match With Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quendal Reading (*.kdl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange bride and groom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be saved.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Minutes of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy of Quendal was built without the Swiss Ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Ari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukteshwar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>precise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swiss Ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sidereal year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>savana year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>civil weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none that day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashwini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pratipada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dwitiya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritiya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panchami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shashthi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saptami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ashtami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dwadashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayushman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shobhana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atiganda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sukarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhriti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhruva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harshana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vajra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siddhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variyana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parigha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siddha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sadhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shubha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brahma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaulava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taitila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garaja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vishti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravivara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Somavara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budhavara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guruvara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shukravara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shanivara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krishna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shakuni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Bhakoot dosha or Nadi dosha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both are Manglik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the bride is Manglik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the groom is Manglik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither is Manglik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Chart (D1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora (D2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drekkana (D3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sapthamsa (D7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasamsa (D10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dwadasamsa (D12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturthamsha (D4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shodashamsha (D16)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshamsha (D20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaturvimshamsha (D24)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saptavimshamsha (D27)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trimshamsha (D30)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Khavedamsha (D40)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akshavedamsha (D45)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shashtiamsha (D60)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source> Cast the chart in %1 anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No place in the atlas matches &apos;%1&apos;; type the coordinates and choose the zone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source> (row %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2 local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, pada %2, lord %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panchang of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth details and panchang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth chart and navamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at birth: %1 (Moon in %2, pada %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A year of the dasha: %1. Shaded: the periods in force on the printing day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signs and longitudes are tropical; nakshatras are sidereal (Lahiri), as always. Sub-lords are those of Krishnamurti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth chart of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth chart of %1 %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in D1 and D9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shodashavarga table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkyPanels</name>
    <message>
        <source>%1 %2 y %3 m %4 d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panchang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasha Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransitWindow</name>
    <message>
        <source>Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to Natal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Lagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sade Sati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. In the chart,%1 marks a transiting body.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sade Sati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits of %1 %2 %3 %4 over the birth chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back in %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VargaWindow</name>
    <message>
        <source>Shodashavarga and Nakshatras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shodashavarga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in the birth chart (D1) and the Navamsa (D9). Sub-lords divide each nakshatra by the lords&apos; dasha years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 zodiac, %2 positions%3; nakshatras sidereal (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, true node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Quendal home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quendal is a free natal chart generator. From the date, time and place of birth it works out where the Sun, the Moon, the planets and the lunar nodes stood in the sky at the moment of birth, and sets them out as a chart in the terms of Indian astrology.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run a web site? Get a fully branded edition of Quendal, carrying your own name, logo and links, and give it to your visitors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions: Swiss Ephemeris, © Astrodienst AG, AGPL-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quendal (*.kdl)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
