<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>ChartLabels</name>
    <message>
        <source>Sun</source>
        <translation>சூ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>பு</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சு</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>கு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ரா</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கே</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ல</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ல</translation>
    </message>
    <message>
        <source>(R)</source>
        <extracomment>The retrograde mark after a body&apos;s label</extracomment>
        <translation>(வ)</translation>
    </message>
    <message>
        <source>(T)</source>
        <extracomment>A transiting body&apos;s mark in the chart</extracomment>
        <translation>(கோ)</translation>
    </message>
    <message>
        <source>(T, R)</source>
        <extracomment>A transiting body that is retrograde</extracomment>
        <translation>(கோ, வ)</translation>
    </message>
</context>
<context>
    <name>ChartOptionsMenu</name>
    <message>
        <source>&amp;Zodiac</source>
        <translation>ராசிச் சக்கரம் (&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>நிலைகள் (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>உண்மை ராகு (&amp;T)</translation>
    </message>
    <message>
        <source>Precise positions only: the classic formulas have a node of their own</source>
        <translation>துல்லிய நிலைகளில் மட்டும்: பாரம்பரியச் சூத்திரங்களுக்குத் தனி ராகு உண்டு</translation>
    </message>
    <message>
        <source>&amp;Dasha</source>
        <translation>தசை (&amp;D)</translation>
    </message>
    <message>
        <source>Shodashavarga and &amp;Nakshatras</source>
        <translation>ஷோடசவர்க்கம், நட்சத்திரங்கள் (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sidereal (Lahiri)</source>
        <translation>நிராயன (லாஹிரி) (&amp;S)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Krishnamurti)</source>
        <translation>நிராயன (கிருஷ்ணமூர்த்தி) (&amp;K)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Raman)</source>
        <translation>நிராயன (ராமன்) (&amp;R)</translation>
    </message>
    <message>
        <source>Sidereal (True &amp;Chitrapaksha)</source>
        <translation>நிராயன (உண்மைச் சித்திரபக்ஷ) (&amp;C)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Yukteshwar)</source>
        <translation>நிராயன (யுக்தேஸ்வர்) (&amp;Y)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Fagan-Bradley)</source>
        <translation>நிராயன (ஃபேகன்-பிராட்லி) (&amp;F)</translation>
    </message>
</context>
<context>
    <name>DashaWindow</name>
    <message>
        <source>In force today</source>
        <translation>இன்று நடப்பில்</translation>
    </message>
    <message>
        <source>Vimshottari Dasha</source>
        <translation>விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்கத்தில் வயது</translation>
    </message>
    <message>
        <source>A year of the dasha is 365.25 days.</source>
        <translation>தசையின் ஓர் ஆண்டு 365.25 நாட்கள்.</translation>
    </message>
    <message>
        <source>Vimshottari Dasha (%1-day year)</source>
        <translation>விம்சோத்தரி தசை (%1 நாள் ஆண்டு)</translation>
    </message>
    <message>
        <source>A year of the dasha is %1 days.</source>
        <translation>தசையின் ஓர் ஆண்டு %1 நாட்கள்.</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2, lord %3. Balance at birth: %4.</source>
        <translation>சந்திரன் %1 நட்சத்திரத்தில், பாதம் %2, அதிபதி %3. பிறப்பில் மீதமுள்ள தசை: %4.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The new language shows when Quendal starts again.</source>
        <translation>புதிய மொழி Quendal அடுத்த முறை தொடங்கும்போது தெரியும்.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
</context>
<context>
    <name>MDI</name>
    <message>
        <source>&amp;Birth Chart</source>
        <translation>ராசிச் சக்கரம் (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chaturthamsha</source>
        <translation>சதுர்த்தாம்சம் (&amp;C)</translation>
    </message>
    <message>
        <source>Sh&amp;odashamsha</source>
        <translation>ஷோடசாம்சம் (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Vimshamsha</source>
        <translation>விம்சாம்சம் (&amp;V)</translation>
    </message>
    <message>
        <source>Cha&amp;turvimshamsha</source>
        <translation>சதுர்விம்சாம்சம் (&amp;T)</translation>
    </message>
    <message>
        <source>Saptav&amp;imshamsha</source>
        <translation>சப்தவிம்சாம்சம் (&amp;I)</translation>
    </message>
    <message>
        <source>T&amp;rimshamsha</source>
        <translation>திரிம்சாம்சம் (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Khavedamsha</source>
        <translation>கவேதாம்சம் (&amp;K)</translation>
    </message>
    <message>
        <source>Akshav&amp;edamsha</source>
        <translation>அக்ஷவேதாம்சம் (&amp;E)</translation>
    </message>
    <message>
        <source>Shashtia&amp;msha</source>
        <translation>ஷஷ்டியாம்சம் (&amp;M)</translation>
    </message>
    <message>
        <source>Talk about your chart in the Quendal forum</source>
        <translation>உங்கள் ஜாதகம் பற்றி Quendal மன்றத்தில் பேசுங்கள்</translation>
    </message>
    <message>
        <source>Get a full analysis of this chart on the Quendal site</source>
        <translation>இந்த ஜாதகத்தின் முழு ஆய்வை Quendal தளத்தில் பெறுங்கள்</translation>
    </message>
    <message>
        <source>Your own edition of Quendal under your web site&apos;s name</source>
        <translation>உங்கள் இணையதளப் பெயரில் உங்களுக்கான Quendal பதிப்பு</translation>
    </message>
    <message>
        <source>Offer Quendal on your web site: ask for a co-branded edition</source>
        <translation>உங்கள் இணையதளத்தில் Quendal வழங்குங்கள்: இணை முத்திரைப் பதிப்பைக் கேளுங்கள்</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG ஆகச் சேமி (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>புதியது (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As Text</source>
        <translation>உரையாகச் சேமி (&amp;A)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF ஆகச் சேமி (&amp;D)</translation>
    </message>
    <message>
        <source>Save &amp;Report As PDF...</source>
        <translation>அறிக்கையை PDF ஆகச் சேமி (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>ஜாதகத்தை உரையாக ஏற்றுமதி செய் (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Match With Saved Reading...</source>
        <translation>சேமித்த ஜாதகத்துடன் பொருத்தம் (&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>Print &amp;Report...</source>
        <translation>அறிக்கையை அச்சிடு (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>கருவிப் பட்டை (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>நிலைப் பட்டை (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>சக்கர வடிவம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>வட இந்திய (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>தென் இந்திய (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>நேட்டல் இந்திய (&amp;N)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>வண்ணம் (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>இயக்கு (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>அணை (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>சக்கரம் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>வர்க்கச் சக்கரங்கள் (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>ஹோரை (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>திரேக்காணம் (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>சப்தாம்சம் (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>நவாம்சம் (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>தசாம்சம் (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>துவாதசாம்சம் (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைப் பார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதி (&amp;O)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>புதியது</translation>
    </message>
    <message>
        <source>New chart</source>
        <translation>புதிய ஜாதகம்</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Save reading</source>
        <translation>ஜாதகத்தைச் சேமி</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>இணைய உதவி</translation>
    </message>
    <message>
        <source>%1 zodiac, %2 positions%3</source>
        <translation>%1, %2 நிலைகள்%3</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, உண்மை ராகு</translation>
    </message>
    <message>
        <source>Zone: %1 and daylight saving (%2)</source>
        <translation>மண்டலம்: %1 + பகலொளி (%2)</translation>
    </message>
    <message>
        <source>Zone: %1 (%2)</source>
        <translation>மண்டலம்: %1 (%2)</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய</translation>
    </message>
    <message>
        <source>Natal Indian</source>
        <translation>நேட்டல் இந்திய</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>சேமிக்கப்பட்டது: %1</translation>
    </message>
    <message>
        <source>No printer is installed, so the %1 cannot be printed.</source>
        <translation>அச்சுப்பொறி இல்லாததால் %1 அச்சிட முடியாது.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>கோப்பு</translation>
    </message>
    <message>
        <source> To keep it as a file, choose %1 &gt; %2.</source>
        <translation> கோப்பாக வைக்க %1 &gt; %2 தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Quendal (*.kdl)</source>
        <translation>Quendal ஜாதகம் (*.kdl)</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>உரைக் கோப்பைத் தேர்ந்தெடுக்கவும் </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>ஜாதக உரை (*.txt)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>இவ்வாறு சேமி</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG படம் (*.jpg)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>ஜாதகத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF ஆவணம் (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>PDF பக்கத்தைத் தொடங்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The PDF page could not be finished.</source>
        <translation>PDF பக்கத்தை முடிக்க முடியவில்லை.</translation>
    </message>
</context>
<context>
    <name>MatchPage</name>
    <message>
        <source>(no name)</source>
        <translation>(பெயர் இல்லை)</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>கூடம்</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>Match: %1 and %2</source>
        <translation>பொருத்தம்: %1, %2</translation>
    </message>
    <message>
        <source>Ashtakoota guna milan</source>
        <translation>அஷ்டகூட குணப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Mars (Manglik)</source>
        <translation>செவ்வாய் தோஷம்</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF ஆவணம் (*.pdf)</translation>
    </message>
    <message>
        <source>match</source>
        <translation>பொருத்தம்</translation>
    </message>
    <message>
        <source>The match could not be printed.</source>
        <translation>பொருத்தத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 இல் %1</translation>
    </message>
    <message>
        <source>%1 of %2: above the customary minimum of %3</source>
        <translation>%2 இல் %1: வழக்கமான குறைந்தபட்சம் %3 ஐ விட அதிகம்</translation>
    </message>
    <message>
        <source>%1 of %2: at the customary minimum of %3</source>
        <translation>%2 இல் %1: வழக்கமான குறைந்தபட்சம் %3 இல்</translation>
    </message>
    <message>
        <source>%1 of %2: below the customary minimum of %3</source>
        <translation>%2 இல் %1: வழக்கமான குறைந்தபட்சம் %3 ஐ விடக் குறைவு</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2, in %3</source>
        <translation>சந்திரன் %1 நட்சத்திரம், பாதம் %2, %3 ராசியில்</translation>
    </message>
    <message>
        <source>Mars in house %1 from the ascendant and %2 from the Moon: Manglik</source>
        <translation>செவ்வாய் லக்னத்திலிருந்து %1, சந்திரனிலிருந்து %2 ஆம் வீட்டில்: தோஷம் உண்டு</translation>
    </message>
    <message>
        <source>Mars in house %1 from the ascendant and %2 from the Moon: not Manglik</source>
        <translation>செவ்வாய் லக்னத்திலிருந்து %1, சந்திரனிலிருந்து %2 ஆம் வீட்டில்: தோஷம் இல்லை</translation>
    </message>
    <message>
        <source>Both charts: %1 zodiac, %2 positions%3</source>
        <translation>இரு ஜாதகங்களும்: %1 ராசிச் சக்கரம், %2 நிலைகள்%3</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, உண்மை ராகு</translation>
    </message>
    <message>
        <source>%1 dosha</source>
        <translation>%1 தோஷம்</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>MatchWindow</name>
    <message>
        <source>Match With Saved Reading</source>
        <translation>சேமித்த ஜாதகத்துடன் பொருத்தம்</translation>
    </message>
    <message>
        <source>Quendal Reading (*.kdl)</source>
        <translation>Quendal ஜாதகம் (*.kdl)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF ஆகச் சேமி (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation>மாற்று (&amp;S)</translation>
    </message>
    <message>
        <source>Exchange bride and groom</source>
        <translation>மணமகள், மணமகன் இடம் மாற்று</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Application is already running</source>
        <translation>நிரல் ஏற்கெனவே இயங்குகிறது</translation>
    </message>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதிய பதிப்பு இருக்கலாம்
புதிய பதிப்பைப் பார்க்க வேண்டுமா?</translation>
    </message>
    <message>
        <source>The data could not be prepared.</source>
        <translation>தரவைத் தயாரிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.
%2</source>
        <translation>%1 கோப்பைச் சேமிக்க முடியவில்லை.
%2</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>உங்கள் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>அட்சரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>உங்கள் நகரத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>உங்கள் மாநிலத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>உங்கள் நாட்டின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>அட்சரேகையின் திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>தீர்க்கரேகையின் திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும் !</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>அட்சரேகையின் சரியான பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் சரியான பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Minutes of Latitude</source>
        <translation>அட்சரேகையின் சரியான கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் சரியான கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>This copy of Quendal was built without the Swiss Ephemeris</source>
        <translation>Quendal-இன் இந்தப் பிரதி சுவிஸ் எபிமெரிஸ் இல்லாமல் கட்டப்பட்டது</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Ari</source>
        <translation>மேஷ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ரிஷ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>மிது</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>கட</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>கன்</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>துலா</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>விரு</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>தனு</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>மக</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>கும்</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>மீன</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
    <message>
        <source>Tropical</source>
        <translation>சாயன</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>நிராயன</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>உண்மைச் சித்திரபக்ஷ</translation>
    </message>
    <message>
        <source>Yukteshwar</source>
        <translation>யுக்தேஸ்வர்</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>துல்லிய</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>பாரம்பரிய</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>துல்லிய</translation>
    </message>
    <message>
        <source>classic</source>
        <translation>பாரம்பரிய</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>உண்மை ராகு</translation>
    </message>
    <message>
        <source>Swiss Ephemeris</source>
        <translation>சுவிஸ் எபிமெரிஸ்</translation>
    </message>
    <message>
        <source>Classic formulas</source>
        <translation>பாரம்பரியச் சூத்திரங்கள்</translation>
    </message>
    <message>
        <source>sidereal year</source>
        <translation>நட்சத்திர ஆண்டு</translation>
    </message>
    <message>
        <source>savana year</source>
        <translation>சாவன ஆண்டு</translation>
    </message>
    <message>
        <source>Julian year</source>
        <translation>ஜூலியன் ஆண்டு</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ஆண்டுகள்</translation>
    </message>
    <message>
        <source>month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>months</source>
        <translation>மாதங்கள்</translation>
    </message>
    <message>
        <source>day</source>
        <translation>நாள்</translation>
    </message>
    <message>
        <source>days</source>
        <translation>நாட்கள்</translation>
    </message>
    <message>
        <source>y</source>
        <translation>ஆ</translation>
    </message>
    <message>
        <source>m</source>
        <translation>மா</translation>
    </message>
    <message>
        <source>left</source>
        <translation>மீதம்</translation>
    </message>
    <message>
        <source>civil weekday</source>
        <translation>நாட்காட்டிக் கிழமை</translation>
    </message>
    <message>
        <source>none that day</source>
        <translation>அன்று இல்லை</translation>
    </message>
    <message>
        <source>Ashwini</source>
        <translation>அசுவினி</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>பரணி</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>கார்த்திகை</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>ரோகிணி</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>மிருகசீரிடம்</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>திருவாதிரை</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>புனர்பூசம்</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>பூசம்</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>ஆயில்யம்</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>மகம்</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>பூரம்</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>உத்திரம்</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>அஸ்தம்</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>சித்திரை</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>சுவாதி</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>விசாகம்</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>அனுஷம்</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>கேட்டை</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>மூலம்</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>பூராடம்</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>உத்திராடம்</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>திருவோணம்</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>அவிட்டம்</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>சதயம்</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>பூரட்டாதி</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>உத்திரட்டாதி</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>ரேவதி</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Pratipada</source>
        <translation>பிரதமை</translation>
    </message>
    <message>
        <source>Dwitiya</source>
        <translation>துவிதியை</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <translation>திருதியை</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <translation>சதுர்த்தி</translation>
    </message>
    <message>
        <source>Panchami</source>
        <translation>பஞ்சமி</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <translation>சஷ்டி</translation>
    </message>
    <message>
        <source>Saptami</source>
        <translation>சப்தமி</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <translation>அஷ்டமி</translation>
    </message>
    <message>
        <source>Navami</source>
        <translation>நவமி</translation>
    </message>
    <message>
        <source>Dashami</source>
        <translation>தசமி</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>ஏகாதசி</translation>
    </message>
    <message>
        <source>Dwadashi</source>
        <translation>துவாதசி</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <translation>திரயோதசி</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <translation>சதுர்த்தசி</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <translation>விஷ்கம்பம்</translation>
    </message>
    <message>
        <source>Priti</source>
        <translation>பிரீதி</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <translation>ஆயுஷ்மான்</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <translation>சௌபாக்கியம்</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <translation>சோபனம்</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <translation>அதிகண்டம்</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <translation>சுகர்மம்</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <translation>திருதி</translation>
    </message>
    <message>
        <source>Shula</source>
        <translation>சூலம்</translation>
    </message>
    <message>
        <source>Ganda</source>
        <translation>கண்டம்</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <translation>விருத்தி</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <translation>துருவம்</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <translation>வியாகாதம்</translation>
    </message>
    <message>
        <source>Harshana</source>
        <translation>ஹர்ஷணம்</translation>
    </message>
    <message>
        <source>Vajra</source>
        <translation>வஜ்ரம்</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <translation>சித்தி</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <translation>வியதீபாதம்</translation>
    </message>
    <message>
        <source>Variyana</source>
        <translation>வரியான்</translation>
    </message>
    <message>
        <source>Parigha</source>
        <translation>பரிகம்</translation>
    </message>
    <message>
        <source>Shiva</source>
        <translation>சிவம்</translation>
    </message>
    <message>
        <source>Siddha</source>
        <translation>சித்தம்</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <translation>சாத்தியம்</translation>
    </message>
    <message>
        <source>Shubha</source>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>Shukla</source>
        <translation>சுக்ல</translation>
    </message>
    <message>
        <source>Brahma</source>
        <translation>பிரம்மம்</translation>
    </message>
    <message>
        <source>Indra</source>
        <translation>ஐந்திரம்</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <translation>வைதிருதி</translation>
    </message>
    <message>
        <source>Bava</source>
        <translation>பவம்</translation>
    </message>
    <message>
        <source>Balava</source>
        <translation>பாலவம்</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <translation>கௌலவம்</translation>
    </message>
    <message>
        <source>Taitila</source>
        <translation>தைதுலம்</translation>
    </message>
    <message>
        <source>Garaja</source>
        <translation>கரசை</translation>
    </message>
    <message>
        <source>Vanija</source>
        <translation>வணிசை</translation>
    </message>
    <message>
        <source>Vishti</source>
        <translation>பத்திரை</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <translation>ஞாயிறு</translation>
    </message>
    <message>
        <source>Somavara</source>
        <translation>திங்கள்</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <translation>வியாழன்</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <translation>வெள்ளி</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>பௌர்ணமி</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>அமாவாசை</translation>
    </message>
    <message>
        <source>Krishna</source>
        <translation>கிருஷ்ண</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <translation>கிம்ஸ்துக்னம்</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <translation>சகுனி</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>சதுஷ்பாதம்</translation>
    </message>
    <message>
        <source>Naga</source>
        <translation>நாகவம்</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>பிராமணர்</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>சத்திரியர்</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>வைசியர்</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>சூத்திரர்</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>மனிதர்</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>ஜலசரம்</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>வனசரம்</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>கீடம்</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>குதிரை</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>யானை</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>ஆடு</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>பாம்பு</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>நாய்</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>பூனை</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>எலி</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>பசு</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>எருமை</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>புலி</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>மான்</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>குரங்கு</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>கீரி</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>சிங்கம்</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>தேவ</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>மனித</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>ராட்சஸ</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>ஆதி</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>மத்தியம்</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>அந்தியம்</translation>
    </message>
    <message>
        <source>Varna</source>
        <translation>வர்ணம்</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>வசியம்</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>தாரை</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>யோனி</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>கிரக மைத்திரி</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>கணம்</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>பகூடம்</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>நாடி</translation>
    </message>
    <message>
        <source>No Bhakoot dosha or Nadi dosha</source>
        <translation>பகூட தோஷமும் நாடி தோஷமும் இல்லை</translation>
    </message>
    <message>
        <source>Both are Manglik.</source>
        <translation>இருவருக்கும் செவ்வாய் தோஷம் உண்டு.</translation>
    </message>
    <message>
        <source>Only the bride is Manglik.</source>
        <translation>மணமகளுக்கு மட்டும் செவ்வாய் தோஷம் உண்டு.</translation>
    </message>
    <message>
        <source>Only the groom is Manglik.</source>
        <translation>மணமகனுக்கு மட்டும் செவ்வாய் தோஷம் உண்டு.</translation>
    </message>
    <message>
        <source>Neither is Manglik.</source>
        <translation>இருவருக்கும் செவ்வாய் தோஷம் இல்லை.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
    <message>
        <source>Birth Chart (D1)</source>
        <translation>ராசிச் சக்கரம் (D1)</translation>
    </message>
    <message>
        <source>Hora (D2)</source>
        <translation>ஹோரை (D2)</translation>
    </message>
    <message>
        <source>Drekkana (D3)</source>
        <translation>திரேக்காணம் (D3)</translation>
    </message>
    <message>
        <source>Sapthamsa (D7)</source>
        <translation>சப்தாம்சம் (D7)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translation>நவாம்சம் (D9)</translation>
    </message>
    <message>
        <source>Dasamsa (D10)</source>
        <translation>தசாம்சம் (D10)</translation>
    </message>
    <message>
        <source>Dwadasamsa (D12)</source>
        <translation>துவாதசாம்சம் (D12)</translation>
    </message>
    <message>
        <source>Chaturthamsha (D4)</source>
        <translation>சதுர்த்தாம்சம் (D4)</translation>
    </message>
    <message>
        <source>Shodashamsha (D16)</source>
        <translation>ஷோடசாம்சம் (D16)</translation>
    </message>
    <message>
        <source>Vimshamsha (D20)</source>
        <translation>விம்சாம்சம் (D20)</translation>
    </message>
    <message>
        <source>Chaturvimshamsha (D24)</source>
        <translation>சதுர்விம்சாம்சம் (D24)</translation>
    </message>
    <message>
        <source>Saptavimshamsha (D27)</source>
        <translation>சப்தவிம்சாம்சம் (D27)</translation>
    </message>
    <message>
        <source>Trimshamsha (D30)</source>
        <translation>திரிம்சாம்சம் (D30)</translation>
    </message>
    <message>
        <source>Khavedamsha (D40)</source>
        <translation>கவேதாம்சம் (D40)</translation>
    </message>
    <message>
        <source>Akshavedamsha (D45)</source>
        <translation>அக்ஷவேதாம்சம் (D45)</translation>
    </message>
    <message>
        <source>Shashtiamsha (D60)</source>
        <translation>ஷஷ்டியாம்சம் (D60)</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>மணமகள்</translation>
    </message>
    <message>
        <source>Groom</source>
        <translation>மணமகன்</translation>
    </message>
    <message>
        <source>Exceptions (parihara) that can cancel a dosha are not applied.</source>
        <translation>தோஷத்தை நீக்கும் பரிகாரங்கள் கணக்கில் எடுக்கப்படவில்லை.</translation>
    </message>
    <message>
        <source>Cancellations of the Mars check are not applied.</source>
        <translation>செவ்வாய் தோஷ நிவர்த்திகள் கணக்கில் எடுக்கப்படவில்லை.</translation>
    </message>
    <message>
        <source>Rising</source>
        <extracomment>The phases of Sade Sati</extracomment>
        <translation>உதயம்</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>உச்சம்</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>அஸ்தமனம்</translation>
    </message>
</context>
<context>
    <name>PlaceNote</name>
    <message>
        <source>, which no zone row has; the zone is left as it was</source>
        <translation>, இது எந்த வரிசையிலும் இல்லை; நேர மண்டலம் மாற்றப்படவில்லை</translation>
    </message>
    <message>
        <source>: this clock time did not exist there (the clocks went forward); no zone selected</source>
        <translation>: அங்கே இந்த நேரம் இருக்கவில்லை (கடிகாரங்கள் முன்னே நகர்த்தப்பட்டன); நேர மண்டலம் தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source> came twice: </source>
        <translation> இருமுறை வந்தது: </translation>
    </message>
    <message>
        <source> selected; the later %1 would be %2</source>
        <translation> தேர்ந்தெடுக்கப்பட்டது; பிந்தைய %1 எனில் %2</translation>
    </message>
    <message>
        <source>no zone row</source>
        <translation>வரிசை இல்லை</translation>
    </message>
    <message>
        <source>%1: the date is not in the calendar; no zone selected</source>
        <translation>%1: இந்தத் தேதி நாட்காட்டியில் இல்லை; நேர மண்டலம் தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>%1: the time zone %2 is unknown to this system; no zone selected</source>
        <translation>%1: நேர மண்டலம் %2 இந்தக் கணினிக்குத் தெரியாது; நேர மண்டலம் தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>No zone of the list has the offset in force at %1 on %2 %3 %4 (%5).</source>
        <translation>%2 %3 %4 அன்று %1 இல் நடைமுறையிலிருந்த வேறுபாடு (%5) பட்டியலின் எந்த மண்டலத்திலும் இல்லை.</translation>
    </message>
    <message>
        <source>This zone already holds daylight saving; the ticked box adds another hour.</source>
        <translation>இந்த மண்டலத்தில் பகலொளி சேமிப்பு ஏற்கெனவே உண்டு; குறித்த பெட்டி இன்னொரு மணி நேரம் சேர்க்கிறது.</translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source> Cast the chart in %1 anyway?</source>
        <translation> இருந்தாலும் %1 இல் ஜாதகம் கணிக்கவா?</translation>
    </message>
    <message>
        <source>No place in the atlas matches &apos;%1&apos;; type the coordinates and choose the zone.</source>
        <translation>அட்லஸில் &apos;%1&apos; உடன் பொருந்தும் இடம் இல்லை; ஆயத்தொலைவுகளை உள்ளிட்டு நேர மண்டலத்தைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>இங்கே பார்:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>கோப்புப் பெயர் (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>கோப்பு வகை:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>திற (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>முன்</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>மேல் கோப்புறை</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>புதிய கோப்புறை</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>பட்டியல்</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>விவரம்</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>அளவு</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>மாற்றிய தேதி</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>%1:%2 local time</source>
        <translation>%1:%2 உள்ளூர் நேரம்</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>ஆயத்தொலைவுகள்</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>ராசிச் சக்கரம்</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>நிலைகள்</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>ராகு-கேது</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>உண்மை ராகு</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>சராசரி ராகு</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>தசை ஆண்டு</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation>சூரிய ராசி</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Moon nakshatra</source>
        <translation>சந்திர நட்சத்திரம்</translation>
    </message>
    <message>
        <source>%1, pada %2, lord %3</source>
        <translation>%1, பாதம் %2, அதிபதி %3</translation>
    </message>
    <message>
        <source>Panchang of birth</source>
        <translation>பிறப்பின் பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Birth details and panchang</source>
        <translation>பிறப்பு விவரங்களும் பஞ்சாங்கமும்</translation>
    </message>
    <message>
        <source>Birth chart and navamsa</source>
        <translation>ராசியும் நவாம்சமும்</translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation>வர்க்கச் சக்கரங்கள்</translation>
    </message>
    <message>
        <source>in force</source>
        <translation>நடப்பில்</translation>
    </message>
    <message>
        <source>Balance at birth: %1 (Moon in %2, pada %3).</source>
        <translation>பிறப்பில் மீதமுள்ள தசை: %1 (சந்திரன் %2 இல், பாதம் %3).</translation>
    </message>
    <message>
        <source>A year of the dasha: %1. Shaded: the periods in force on the printing day.</source>
        <translation>தசையின் ஓர் ஆண்டு: %1. நிழலிட்டவை: அச்சிட்ட நாளில் நடப்பிலுள்ள காலங்கள்.</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>மகா தசை</translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation>அந்தர் தசை</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>தொடக்க வயது</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>விம்சோத்தரி தசை</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation>உப அதிபதி</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>வக்கிரம்</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>அறிக்கையை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF ஆவணம் (*.pdf)</translation>
    </message>
    <message>
        <source>report</source>
        <translation>அறிக்கை</translation>
    </message>
    <message>
        <source>The report could not be printed.
</source>
        <translation>அறிக்கையை அச்சிட முடியவில்லை.
</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>அறிக்கை</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>பகுதிகள்</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>லெட்டர்</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>காகிதம் (&amp;P):</translation>
    </message>
    <message>
        <source>Birth chart of %1</source>
        <translation>%1 அவர்களின் ஜாதகம்</translation>
    </message>
    <message>
        <source>Birth chart of %1 %2, %3</source>
        <translation>%2 %1, %3 ஜாதகம்</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>அச்சிட்டது: %1</translation>
    </message>
    <message>
        <source>The report could not be started.</source>
        <translation>அறிக்கையைத் தொடங்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>புதிய பக்கத்தைத் தொடங்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The report could not be finished.</source>
        <translation>அறிக்கையை முடிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in D1 and D9.</source>
        <translation>நிழலிட்டவை: வர்க்கோத்தமம், D1, D9 இரண்டிலும் ஒரே ராசி.</translation>
    </message>
    <message>
        <source>Shodashavarga table</source>
        <translation>ஷோடசவர்க்க அட்டவணை</translation>
    </message>
    <message>
        <source>R</source>
        <translation>வ</translation>
    </message>
    <message>
        <source>, row %1</source>
        <translation>, வரிசை %1</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>மண்டலம்</translation>
    </message>
    <message>
        <source>Signs and longitudes are tropical; nakshatras are sidereal (Lahiri), as always.</source>
        <translation>ராசிகளும் பாகைகளும் சாயனம்; நட்சத்திரங்கள் எப்போதும் போல நிராயனம் (லாஹிரி).</translation>
    </message>
    <message>
        <source>Sub-lords are those of Krishnamurti.</source>
        <translation>உப அதிபதிகள் கிருஷ்ணமூர்த்தி முறைப்படி.</translation>
    </message>
    <message>
        <source>Pratyantardashas (many pages)</source>
        <translation>பிரத்யந்தர தசைகள் (பல பக்கங்கள்)</translation>
    </message>
    <message>
        <source>Transits and Sade Sati</source>
        <translation>கோசாரமும் ஏழரைச் சனியும்</translation>
    </message>
    <message>
        <source>Match (when its window is open)</source>
        <translation>பொருத்தம் (அதன் சாளரம் திறந்திருக்கும்போது)</translation>
    </message>
    <message>
        <source>Atlas</source>
        <translation>அட்லஸ்</translation>
    </message>
    <message>
        <source>%1 mahadasha, %2 antardasha</source>
        <translation>%1 மகா தசை, %2 அந்தர் தசை</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>வயது</translation>
    </message>
    <message>
        <source>Pratyantardashas</source>
        <translation>பிரத்யந்தர தசைகள்</translation>
    </message>
    <message>
        <source>From Lagna</source>
        <translation>லக்னத்திலிருந்து</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>சந்திரனிலிருந்து</translation>
    </message>
    <message>
        <source>Sade Sati</source>
        <translation>ஏழரைச் சனி</translation>
    </message>
    <message>
        <source>Sade Sati, 1900 to 2100</source>
        <translation>ஏழரைச் சனி, 1900 முதல் 2100 வரை</translation>
    </message>
</context>
<context>
    <name>SkyPanels</name>
    <message>
        <source>%1 %2 y %3 m %4 d</source>
        <translation>%1 %2ஆ %3மா %4நா</translation>
    </message>
    <message>
        <source>Panchang</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Dasha Balance</source>
        <translation>மீதி தசை</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>கோசாரம்</translation>
    </message>
</context>
<context>
    <name>TransitWindow</name>
    <message>
        <source>Transits</source>
        <translation>கோசாரம்</translation>
    </message>
    <message>
        <source>&amp;Moment:</source>
        <translation>நேரம் (&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>இப்போது (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Back to Natal</source>
        <translation>ஜாதகத்துக்குத் திரும்பு (&amp;B)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>From Lagna</source>
        <translation>லக்னத்திலிருந்து</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>சந்திரனிலிருந்து</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>கோசாரம் (&amp;T)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>காலம்</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>End</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>&amp;Sade Sati</source>
        <translation>ஏழரைச் சனி (&amp;S)</translation>
    </message>
    <message>
        <source>. In the chart,%1 marks a transiting body.</source>
        <translation>. சக்கரத்தில்%1 கோசார கிரகத்தைக் குறிக்கிறது.</translation>
    </message>
    <message>
        <source>Sade Sati</source>
        <translation>ஏழரைச் சனி</translation>
    </message>
    <message>
        <source>Transits of %1 %2 %3 %4 over the birth chart</source>
        <translation>%1 %2 %3, %4 கோசாரம்</translation>
    </message>
    <message>
        <source>Back in %1 from %2 to %3</source>
        <translation>%2 முதல் %3 வரை மீண்டும் %1 இல்</translation>
    </message>
</context>
<context>
    <name>VargaWindow</name>
    <message>
        <source>Shodashavarga and Nakshatras</source>
        <translation>ஷோடசவர்க்கம், நட்சத்திரங்கள்</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation>உப அதிபதி</translation>
    </message>
    <message>
        <source>Shodashavarga</source>
        <translation>ஷோடசவர்க்கம்</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation>நட்சத்திரங்கள்</translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in the birth chart (D1) and the Navamsa (D9). Sub-lords divide each nakshatra by the lords&apos; dasha years.</source>
        <translation>நிழலிட்டவை: வர்க்கோத்தமம், ராசி (D1), நவாம்சம் (D9) இரண்டிலும் ஒரே ராசி. உப அதிபதிகள் ஒவ்வொரு நட்சத்திரத்தையும் அதிபதிகளின் தசை ஆண்டுகளின் விகிதத்தில் பிரிக்கின்றனர்.</translation>
    </message>
    <message>
        <source>%1 zodiac, %2 positions%3; nakshatras sidereal (%4)</source>
        <translation>%1 ராசிச் சக்கரம், %2 நிலைகள்%3; நட்சத்திரங்கள் நிராயனம் (%4)</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, உண்மை ராகு</translation>
    </message>
    <message>
        <source> (V)</source>
        <translation> (வ.)</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation>வர்க்கோத்தமம்</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here for more details.</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Visit the Quendal home page</source>
        <translation>Quendal முகப்புப் பக்கத்துக்குச் செல்லவும்</translation>
    </message>
    <message>
        <source>Quendal is a free natal chart generator. From the date, time and place of birth it works out where the Sun, the Moon, the planets and the lunar nodes stood in the sky at the moment of birth, and sets them out as a chart in the terms of Indian astrology.</source>
        <translation>Quendal ஓர் இலவச ஜாதகக் கணிப்பு நிரல். பிறந்த தேதி, நேரம், இடம் ஆகியவற்றைக் கொண்டு, பிறந்த கணத்தில் சூரியன், சந்திரன், கிரகங்கள், ராகு-கேது வானில் எங்கே இருந்தன என்று கணித்து, இந்திய ஜோதிட முறையில் ஜாதகமாகக் காட்டுகிறது.</translation>
    </message>
    <message>
        <source>Run a web site? Get a fully branded edition of Quendal, carrying your own name, logo and links, and give it to your visitors.</source>
        <translation>உங்களுக்கு இணையதளம் உண்டா? உங்கள் பெயர், சின்னம், இணைப்புகளுடன் Quendal பதிப்பைப் பெற்று உங்கள் வாசகர்களுக்கு வழங்குங்கள்.</translation>
    </message>
    <message>
        <source>Precise positions: Swiss Ephemeris, © Astrodienst AG, AGPL-3.0</source>
        <translation>துல்லிய நிலைகள்: Swiss Ephemeris, © Astrodienst AG, AGPL-3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>இடங்கள்: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Planetary Positions</source>
        <translation>கிரக நிலைகள்</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>பிற விவரங்கள்</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>படக் கோப்பு</translation>
    </message>
    <message>
        <source>Image folder</source>
        <translation>படக் கோப்புறை</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>யுரேனஸ்</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>நெப்டியூன்</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>புளூட்டோ</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>ராகு</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>கேது</translation>
    </message>
    <message>
        <source>P_of_F</source>
        <translation>பாக்கியப் புள்ளி</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>சூரிய ராசி</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>லக்ன நிலை</translation>
    </message>
    <message>
        <source>Dasha Balance</source>
        <translation>மீதி தசை</translation>
    </message>
    <message>
        <source>Panchang</source>
        <translation>பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>பெயர்: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>நகரம்: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>மாநிலம்: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>நாடு: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>பிறந்த தேதி: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>பிறந்த நேரம்: %1 மணி %2 நிமிடம்</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>அட்சரேகை: %1 பாகை %2 கலை</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>தீர்க்கரேகை: %1 பாகை %2 கலை</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Select the source file</source>
        <translation>கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Quendal (*.kdl)</source>
        <translation>Quendal ஜாதகம் (*.kdl)</translation>
    </message>
    <message>
        <source>Questions about your chart? Join our astrologers in the Quendal discussion forum.</source>
        <translation>உங்கள் ஜாதகம் பற்றிக் கேள்விகளா? Quendal விவாத மன்றத்தில் எங்கள் ஜோதிடர்களுடன் இணையுங்கள்.</translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation>பிறப்பு விவரங்கள்</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>பெயர்:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>பிறந்த தேதி:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>பிறந்த நேரம்:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>மணி/நிமி/வினா</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>நேர மண்டலம்:</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>அட்சரேகை:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>பாகை/கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>தீர்க்கரேகை:</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>பிறந்த இடம்</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>நகரம்:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>மாநிலம்:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>நாடு:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை தேடு</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த ஜாதகத்தைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>என் ஜாதகத்தைக் கணி (&amp;C)</translation>
    </message>
    <message>
        <source>Put this software on your own web site, co-branded with your name and logo. Click here for more details.</source>
        <translation>இந்த மென்பொருளை உங்கள் பெயர், சின்னத்துடன் உங்கள் இணையதளத்தில் வையுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்து தொழில் வாய்ப்பு. உங்கள் இணையத் தொழிலைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். இந்த மென்பொருளை முழுவதும் உங்கள் இணையதளப் பெயரில் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைப் பார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>நன்கொடை</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் சம்பாதி (&amp;O)</translation>
    </message>
</context>
</TS>
