<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ChartLabels</name>
    <message>
        <source>Sun</source>
        <translation>सू</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चं</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बु</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शु</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मं</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>श</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>रा</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>के</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ल</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ल</translation>
    </message>
    <message>
        <source>(R)</source>
        <extracomment>The retrograde mark after a body&apos;s label</extracomment>
        <translation>(व)</translation>
    </message>
    <message>
        <source>(T)</source>
        <extracomment>A transiting body&apos;s mark in the chart</extracomment>
        <translation>(गो)</translation>
    </message>
    <message>
        <source>(T, R)</source>
        <extracomment>A transiting body that is retrograde</extracomment>
        <translation>(गो, व)</translation>
    </message>
</context>
<context>
    <name>ChartOptionsMenu</name>
    <message>
        <source>&amp;Zodiac</source>
        <translation>राशिचक्र (&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>स्थितियाँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>सत्य राहु (&amp;T)</translation>
    </message>
    <message>
        <source>Precise positions only: the classic formulas have a node of their own</source>
        <translation>केवल सूक्ष्म स्थितियों में: पारंपरिक सूत्रों का राहु अपना है</translation>
    </message>
    <message>
        <source>&amp;Dasha</source>
        <translation>दशा (&amp;D)</translation>
    </message>
    <message>
        <source>Shodashavarga and &amp;Nakshatras</source>
        <translation>षोडशवर्ग और नक्षत्र (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sidereal (Lahiri)</source>
        <translation>निरयण (लाहिड़ी) (&amp;S)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Krishnamurti)</source>
        <translation>निरयण (कृष्णमूर्ति) (&amp;K)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Raman)</source>
        <translation>निरयण (रमन) (&amp;R)</translation>
    </message>
    <message>
        <source>Sidereal (True &amp;Chitrapaksha)</source>
        <translation>निरयण (सत्य चित्रपक्ष) (&amp;C)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Yukteshwar)</source>
        <translation>निरयण (युक्तेश्वर) (&amp;Y)</translation>
    </message>
    <message>
        <source>Sidereal (&amp;Fagan-Bradley)</source>
        <translation>निरयण (फ़ेगन-ब्रैडली) (&amp;F)</translation>
    </message>
</context>
<context>
    <name>DashaWindow</name>
    <message>
        <source>In force today</source>
        <translation>आज चल रही है</translation>
    </message>
    <message>
        <source>Vimshottari Dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ पर आयु</translation>
    </message>
    <message>
        <source>A year of the dasha is 365.25 days.</source>
        <translation>दशा का एक वर्ष 365.25 दिन का है।</translation>
    </message>
    <message>
        <source>Vimshottari Dasha (%1-day year)</source>
        <translation>विंशोत्तरी दशा (%1 दिन का वर्ष)</translation>
    </message>
    <message>
        <source>A year of the dasha is %1 days.</source>
        <translation>दशा का एक वर्ष %1 दिन का है।</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2, lord %3. Balance at birth: %4.</source>
        <translation>चंद्र %1 नक्षत्र में, चरण %2, स्वामी %3। जन्म के समय शेष दशा: %4।</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The new language shows when Quendal starts again.</source>
        <translation>नई भाषा Quendal के अगली बार खुलने पर दिखेगी।</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
</context>
<context>
    <name>MDI</name>
    <message>
        <source>&amp;Birth Chart</source>
        <translation>जन्म कुंडली (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chaturthamsha</source>
        <translation>चतुर्थांश (&amp;C)</translation>
    </message>
    <message>
        <source>Sh&amp;odashamsha</source>
        <translation>षोडशांश (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Vimshamsha</source>
        <translation>विंशांश (&amp;V)</translation>
    </message>
    <message>
        <source>Cha&amp;turvimshamsha</source>
        <translation>चतुर्विंशांश (&amp;T)</translation>
    </message>
    <message>
        <source>Saptav&amp;imshamsha</source>
        <translation>सप्तविंशांश (&amp;I)</translation>
    </message>
    <message>
        <source>T&amp;rimshamsha</source>
        <translation>त्रिंशांश (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Khavedamsha</source>
        <translation>खवेदांश (&amp;K)</translation>
    </message>
    <message>
        <source>Akshav&amp;edamsha</source>
        <translation>अक्षवेदांश (&amp;E)</translation>
    </message>
    <message>
        <source>Shashtia&amp;msha</source>
        <translation>षष्ट्यंश (&amp;M)</translation>
    </message>
    <message>
        <source>Talk about your chart in the Quendal forum</source>
        <translation>अपनी कुंडली पर Quendal मंच में चर्चा करें</translation>
    </message>
    <message>
        <source>Get a full analysis of this chart on the Quendal site</source>
        <translation>इस कुंडली का पूरा विश्लेषण Quendal साइट पर पाएँ</translation>
    </message>
    <message>
        <source>Your own edition of Quendal under your web site&apos;s name</source>
        <translation>आपकी वेबसाइट के नाम से Quendal का अपना संस्करण</translation>
    </message>
    <message>
        <source>Offer Quendal on your web site: ask for a co-branded edition</source>
        <translation>अपनी वेबसाइट पर Quendal दें: अपने नाम वाला संस्करण माँगें</translation>
    </message>
    <message>
        <source>Save As &amp;JPEG</source>
        <translation>JPEG के रूप में सहेजें (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नई (&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;As Text</source>
        <translation>पाठ के रूप में सहेजें (&amp;A)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF के रूप में सहेजें (&amp;D)</translation>
    </message>
    <message>
        <source>Save &amp;Report As PDF...</source>
        <translation>रिपोर्ट PDF के रूप में सहेजें (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Export Chart As Text</source>
        <translation>कुंडली पाठ के रूप में निर्यात करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Match With Saved Reading...</source>
        <translation>सहेजी गई कुंडली से मिलान (&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>Print &amp;Report...</source>
        <translation>रिपोर्ट छापें (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>उपकरण पट्टी (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>स्थिति पट्टी (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chart Style</source>
        <translation>कुंडली की शैली (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian</source>
        <translation>उत्तर भारतीय (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;South Indian</source>
        <translation>दक्षिण भारतीय (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Natal Indian</source>
        <translation>नेटल भारतीय (&amp;N)</translation>
    </message>
    <message>
        <source>Colo&amp;r Style</source>
        <translation>रंग (&amp;R)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>चालू (&amp;N)</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>बंद (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Divisional Charts</source>
        <translation>वर्ग कुंडलियाँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>होरा (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>द्रेष्काण (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Sapthamsa</source>
        <translation>सप्तमांश (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Navamsa</source>
        <translation>नवमांश (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;D&amp;asamsa</source>
        <translation>दशमांश (&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;wadasamsa</source>
        <translation>द्वादशांश (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>नई</translation>
    </message>
    <message>
        <source>New chart</source>
        <translation>नई कुंडली</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save reading</source>
        <translation>कुंडली सहेजें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
        <source>%1 zodiac, %2 positions%3</source>
        <translation>%1, %2 स्थितियाँ%3</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, सत्य राहु</translation>
    </message>
    <message>
        <source>Zone: %1 and daylight saving (%2)</source>
        <translation>क्षेत्र: %1 + डेलाइट सेविंग (%2)</translation>
    </message>
    <message>
        <source>Zone: %1 (%2)</source>
        <translation>क्षेत्र: %1 (%2)</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>Natal Indian</source>
        <translation>नेटल भारतीय</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>सहेजी गई: %1</translation>
    </message>
    <message>
        <source>No printer is installed, so the %1 cannot be printed.</source>
        <translation>कोई प्रिंटर नहीं लगा है, इसलिए %1 छापी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source> To keep it as a file, choose %1 &gt; %2.</source>
        <translation> फ़ाइल के रूप में रखने के लिए %1 &gt; %2 चुनें।</translation>
    </message>
    <message>
        <source>Quendal (*.kdl)</source>
        <translation>Quendal कुंडली (*.kdl)</translation>
    </message>
    <message>
        <source>Select the destination text file </source>
        <translation>पाठ फ़ाइल चुनें </translation>
    </message>
    <message>
        <source>Export Chart As Text (*.txt)</source>
        <translation>कुंडली पाठ के रूप में (*.txt)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>JPEG Image (*.jpg)</source>
        <translation>JPEG चित्र (*.jpg)</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>कुंडली छापी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>PDF पृष्ठ शुरू नहीं हो सका।</translation>
    </message>
    <message>
        <source>The PDF page could not be finished.</source>
        <translation>PDF पृष्ठ पूरा नहीं हो सका।</translation>
    </message>
</context>
<context>
    <name>MatchPage</name>
    <message>
        <source>(no name)</source>
        <translation>(नाम नहीं)</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Match: %1 and %2</source>
        <translation>मिलान: %1 और %2</translation>
    </message>
    <message>
        <source>Ashtakoota guna milan</source>
        <translation>अष्टकूट गुण मिलान</translation>
    </message>
    <message>
        <source>Mars (Manglik)</source>
        <translation>मंगल (मांगलिक)</translation>
    </message>
    <message>
        <source>Save As PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>match</source>
        <translation>मिलान</translation>
    </message>
    <message>
        <source>The match could not be printed.</source>
        <translation>मिलान छापा नहीं जा सका।</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में %1</translation>
    </message>
    <message>
        <source>%1 of %2: above the customary minimum of %3</source>
        <translation>%2 में %1: प्रचलित न्यूनतम %3 से अधिक</translation>
    </message>
    <message>
        <source>%1 of %2: at the customary minimum of %3</source>
        <translation>%2 में %1: ठीक प्रचलित न्यूनतम %3 पर</translation>
    </message>
    <message>
        <source>%1 of %2: below the customary minimum of %3</source>
        <translation>%2 में %1: प्रचलित न्यूनतम %3 से कम</translation>
    </message>
    <message>
        <source>Moon in %1, pada %2, in %3</source>
        <translation>चंद्र %1 नक्षत्र, चरण %2, %3 राशि में</translation>
    </message>
    <message>
        <source>Mars in house %1 from the ascendant and %2 from the Moon: Manglik</source>
        <translation>मंगल लग्न से %1वें और चंद्र से %2वें भाव में: मांगलिक</translation>
    </message>
    <message>
        <source>Mars in house %1 from the ascendant and %2 from the Moon: not Manglik</source>
        <translation>मंगल लग्न से %1वें और चंद्र से %2वें भाव में: मांगलिक नहीं</translation>
    </message>
    <message>
        <source>Both charts: %1 zodiac, %2 positions%3</source>
        <translation>दोनों कुंडलियाँ: %1 राशिचक्र, %2 स्थितियाँ%3</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, सत्य राहु</translation>
    </message>
    <message>
        <source>%1 dosha</source>
        <translation>%1 दोष</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
    </message>
</context>
<context>
    <name>MatchWindow</name>
    <message>
        <source>Match With Saved Reading</source>
        <translation>सहेजी गई कुंडली से मिलान</translation>
    </message>
    <message>
        <source>Quendal Reading (*.kdl)</source>
        <translation>Quendal कुंडली (*.kdl)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Save As P&amp;DF</source>
        <translation>PDF के रूप में सहेजें (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation>अदला-बदली (&amp;S)</translation>
    </message>
    <message>
        <source>Exchange bride and groom</source>
        <translation>वधू और वर की जगह बदलें</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है
क्या आप नया संस्करण देखना चाहेंगे?</translation>
    </message>
    <message>
        <source>The data could not be prepared.</source>
        <translation>डेटा तैयार नहीं हो सका।</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.
%2</source>
        <translation>फ़ाइल %1 सहेजी नहीं जा सकी।
%2</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश की कला लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>कृपया अपने शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>कृपया अपने राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>कृपया अपने देश का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख़ या महीना लिखें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख़ या महीना लिखें !</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>कृपया अक्षांश के सही अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Longitude</source>
        <translation>कृपया देशांतर के सही अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Minutes of Latitude</source>
        <translation>कृपया अक्षांश की सही कला लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Longitude</source>
        <translation>कृपया देशांतर की सही कला लिखें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
    <message>
        <source>This copy of Quendal was built without the Swiss Ephemeris</source>
        <translation>Quendal की यह प्रति स्विस एफ़ेमेरिस के बिना बनी है</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृष</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथु</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चि</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Tropical</source>
        <translation>सायन</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>निरयण</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>True Chitrapaksha</source>
        <translation>सत्य चित्रपक्ष</translation>
    </message>
    <message>
        <source>Yukteshwar</source>
        <translation>युक्तेश्वर</translation>
    </message>
    <message>
        <source>Precise</source>
        <translation>सूक्ष्म</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>पारंपरिक</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>सूक्ष्म</translation>
    </message>
    <message>
        <source>classic</source>
        <translation>पारंपरिक</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>सत्य राहु</translation>
    </message>
    <message>
        <source>Swiss Ephemeris</source>
        <translation>स्विस एफ़ेमेरिस</translation>
    </message>
    <message>
        <source>Classic formulas</source>
        <translation>पारंपरिक सूत्र</translation>
    </message>
    <message>
        <source>sidereal year</source>
        <translation>नाक्षत्र वर्ष</translation>
    </message>
    <message>
        <source>savana year</source>
        <translation>सावन वर्ष</translation>
    </message>
    <message>
        <source>Julian year</source>
        <translation>जूलियन वर्ष</translation>
    </message>
    <message>
        <source>year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>years</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>months</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>days</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>y</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>m</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>left</source>
        <translation>शेष</translation>
    </message>
    <message>
        <source>civil weekday</source>
        <translation>नागरिक वार</translation>
    </message>
    <message>
        <source>none that day</source>
        <translation>उस दिन नहीं</translation>
    </message>
    <message>
        <source>Ashwini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>पूर्व फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तर फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>पूर्व भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तर भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Pratipada</source>
        <translation>प्रतिपदा</translation>
    </message>
    <message>
        <source>Dwitiya</source>
        <translation>द्वितीया</translation>
    </message>
    <message>
        <source>Tritiya</source>
        <translation>तृतीया</translation>
    </message>
    <message>
        <source>Chaturthi</source>
        <translation>चतुर्थी</translation>
    </message>
    <message>
        <source>Panchami</source>
        <translation>पंचमी</translation>
    </message>
    <message>
        <source>Shashthi</source>
        <translation>षष्ठी</translation>
    </message>
    <message>
        <source>Saptami</source>
        <translation>सप्तमी</translation>
    </message>
    <message>
        <source>Ashtami</source>
        <translation>अष्टमी</translation>
    </message>
    <message>
        <source>Navami</source>
        <translation>नवमी</translation>
    </message>
    <message>
        <source>Dashami</source>
        <translation>दशमी</translation>
    </message>
    <message>
        <source>Ekadashi</source>
        <translation>एकादशी</translation>
    </message>
    <message>
        <source>Dwadashi</source>
        <translation>द्वादशी</translation>
    </message>
    <message>
        <source>Trayodashi</source>
        <translation>त्रयोदशी</translation>
    </message>
    <message>
        <source>Chaturdashi</source>
        <translation>चतुर्दशी</translation>
    </message>
    <message>
        <source>Vishkambha</source>
        <translation>विष्कुम्भ</translation>
    </message>
    <message>
        <source>Priti</source>
        <translation>प्रीति</translation>
    </message>
    <message>
        <source>Ayushman</source>
        <translation>आयुष्मान</translation>
    </message>
    <message>
        <source>Saubhagya</source>
        <translation>सौभाग्य</translation>
    </message>
    <message>
        <source>Shobhana</source>
        <translation>शोभन</translation>
    </message>
    <message>
        <source>Atiganda</source>
        <translation>अतिगण्ड</translation>
    </message>
    <message>
        <source>Sukarma</source>
        <translation>सुकर्मा</translation>
    </message>
    <message>
        <source>Dhriti</source>
        <translation>धृति</translation>
    </message>
    <message>
        <source>Shula</source>
        <translation>शूल</translation>
    </message>
    <message>
        <source>Ganda</source>
        <translation>गण्ड</translation>
    </message>
    <message>
        <source>Vriddhi</source>
        <translation>वृद्धि</translation>
    </message>
    <message>
        <source>Dhruva</source>
        <translation>ध्रुव</translation>
    </message>
    <message>
        <source>Vyaghata</source>
        <translation>व्याघात</translation>
    </message>
    <message>
        <source>Harshana</source>
        <translation>हर्षण</translation>
    </message>
    <message>
        <source>Vajra</source>
        <translation>वज्र</translation>
    </message>
    <message>
        <source>Siddhi</source>
        <translation>सिद्धि</translation>
    </message>
    <message>
        <source>Vyatipata</source>
        <translation>व्यतीपात</translation>
    </message>
    <message>
        <source>Variyana</source>
        <translation>वरीयान</translation>
    </message>
    <message>
        <source>Parigha</source>
        <translation>परिघ</translation>
    </message>
    <message>
        <source>Shiva</source>
        <translation>शिव</translation>
    </message>
    <message>
        <source>Siddha</source>
        <translation>सिद्ध</translation>
    </message>
    <message>
        <source>Sadhya</source>
        <translation>साध्य</translation>
    </message>
    <message>
        <source>Shubha</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Shukla</source>
        <translation>शुक्ल</translation>
    </message>
    <message>
        <source>Brahma</source>
        <translation>ब्रह्म</translation>
    </message>
    <message>
        <source>Indra</source>
        <translation>इन्द्र</translation>
    </message>
    <message>
        <source>Vaidhriti</source>
        <translation>वैधृति</translation>
    </message>
    <message>
        <source>Bava</source>
        <translation>बव</translation>
    </message>
    <message>
        <source>Balava</source>
        <translation>बालव</translation>
    </message>
    <message>
        <source>Kaulava</source>
        <translation>कौलव</translation>
    </message>
    <message>
        <source>Taitila</source>
        <translation>तैतिल</translation>
    </message>
    <message>
        <source>Garaja</source>
        <translation>गर</translation>
    </message>
    <message>
        <source>Vanija</source>
        <translation>वणिज</translation>
    </message>
    <message>
        <source>Vishti</source>
        <translation>विष्टि</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>Somavara</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <translation>मंगलवार</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>Purnima</source>
        <translation>पूर्णिमा</translation>
    </message>
    <message>
        <source>Amavasya</source>
        <translation>अमावस्या</translation>
    </message>
    <message>
        <source>Krishna</source>
        <translation>कृष्ण</translation>
    </message>
    <message>
        <source>Kimstughna</source>
        <translation>किंस्तुघ्न</translation>
    </message>
    <message>
        <source>Shakuni</source>
        <translation>शकुनि</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>चतुष्पद</translation>
    </message>
    <message>
        <source>Naga</source>
        <translation>नाग</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>वैश्य</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>शूद्र</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>मानव</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>जलचर</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>वनचर</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>कीट</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>अश्व</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>गज</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>सर्प</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>श्वान</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>मार्जार</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>मूषक</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>गौ</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>महिष</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>व्याघ्र</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>मृग</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>वानर</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>नकुल</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>देव</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>मनुष्य</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>राक्षस</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>आदि</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>मध्य</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>अंत्य</translation>
    </message>
    <message>
        <source>Varna</source>
        <translation>वर्ण</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>तारा</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>योनि</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ग्रह मैत्री</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>गण</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>भकूट</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>नाड़ी</translation>
    </message>
    <message>
        <source>No Bhakoot dosha or Nadi dosha</source>
        <translation>न भकूट दोष, न नाड़ी दोष</translation>
    </message>
    <message>
        <source>Both are Manglik.</source>
        <translation>दोनों मांगलिक हैं।</translation>
    </message>
    <message>
        <source>Only the bride is Manglik.</source>
        <translation>केवल वधू मांगलिक है।</translation>
    </message>
    <message>
        <source>Only the groom is Manglik.</source>
        <translation>केवल वर मांगलिक है।</translation>
    </message>
    <message>
        <source>Neither is Manglik.</source>
        <translation>दोनों में से कोई मांगलिक नहीं है।</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्तूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>Birth Chart (D1)</source>
        <translation>जन्म कुंडली (D1)</translation>
    </message>
    <message>
        <source>Hora (D2)</source>
        <translation>होरा (D2)</translation>
    </message>
    <message>
        <source>Drekkana (D3)</source>
        <translation>द्रेष्काण (D3)</translation>
    </message>
    <message>
        <source>Sapthamsa (D7)</source>
        <translation>सप्तमांश (D7)</translation>
    </message>
    <message>
        <source>Navamsa (D9)</source>
        <translation>नवमांश (D9)</translation>
    </message>
    <message>
        <source>Dasamsa (D10)</source>
        <translation>दशमांश (D10)</translation>
    </message>
    <message>
        <source>Dwadasamsa (D12)</source>
        <translation>द्वादशांश (D12)</translation>
    </message>
    <message>
        <source>Chaturthamsha (D4)</source>
        <translation>चतुर्थांश (D4)</translation>
    </message>
    <message>
        <source>Shodashamsha (D16)</source>
        <translation>षोडशांश (D16)</translation>
    </message>
    <message>
        <source>Vimshamsha (D20)</source>
        <translation>विंशांश (D20)</translation>
    </message>
    <message>
        <source>Chaturvimshamsha (D24)</source>
        <translation>चतुर्विंशांश (D24)</translation>
    </message>
    <message>
        <source>Saptavimshamsha (D27)</source>
        <translation>सप्तविंशांश (D27)</translation>
    </message>
    <message>
        <source>Trimshamsha (D30)</source>
        <translation>त्रिंशांश (D30)</translation>
    </message>
    <message>
        <source>Khavedamsha (D40)</source>
        <translation>खवेदांश (D40)</translation>
    </message>
    <message>
        <source>Akshavedamsha (D45)</source>
        <translation>अक्षवेदांश (D45)</translation>
    </message>
    <message>
        <source>Shashtiamsha (D60)</source>
        <translation>षष्ट्यंश (D60)</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Exceptions (parihara) that can cancel a dosha are not applied.</source>
        <translation>दोष को निरस्त करने वाले परिहार नहीं गिने गए हैं।</translation>
    </message>
    <message>
        <source>Cancellations of the Mars check are not applied.</source>
        <translation>मांगलिक दोष के परिहार नहीं गिने गए हैं।</translation>
    </message>
    <message>
        <source>Rising</source>
        <extracomment>The phases of Sade Sati</extracomment>
        <translation>उदय</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>शिखर</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>अस्त</translation>
    </message>
</context>
<context>
    <name>PlaceNote</name>
    <message>
        <source>, which no zone row has; the zone is left as it was</source>
        <translation>, जो किसी पंक्ति में नहीं; समय क्षेत्र जैसा था वैसा है</translation>
    </message>
    <message>
        <source>: this clock time did not exist there (the clocks went forward); no zone selected</source>
        <translation>: वहाँ यह समय था ही नहीं (घड़ियाँ आगे की गई थीं); कोई समय क्षेत्र नहीं चुना गया</translation>
    </message>
    <message>
        <source> came twice: </source>
        <translation> दो बार आया: </translation>
    </message>
    <message>
        <source> selected; the later %1 would be %2</source>
        <translation> चुना गया; बाद वाला %1 होता %2</translation>
    </message>
    <message>
        <source>no zone row</source>
        <translation>कोई पंक्ति नहीं</translation>
    </message>
    <message>
        <source>%1: the date is not in the calendar; no zone selected</source>
        <translation>%1: यह तारीख़ कैलेंडर में नहीं है; कोई समय क्षेत्र नहीं चुना गया</translation>
    </message>
    <message>
        <source>%1: the time zone %2 is unknown to this system; no zone selected</source>
        <translation>%1: समय क्षेत्र %2 इस सिस्टम को ज्ञात नहीं; कोई समय क्षेत्र नहीं चुना गया</translation>
    </message>
    <message>
        <source>No zone of the list has the offset in force at %1 on %2 %3 %4 (%5).</source>
        <translation>सूची के किसी समय क्षेत्र में %1 पर %2 %3 %4 को लागू अंतर (%5) नहीं है।</translation>
    </message>
    <message>
        <source>This zone already holds daylight saving; the ticked box adds another hour.</source>
        <translation>इस समय क्षेत्र में डेलाइट सेविंग पहले से है; चुना गया बॉक्स एक घंटा और जोड़ता है।</translation>
    </message>
</context>
<context>
    <name>PlacePicker</name>
    <message>
        <source> Cast the chart in %1 anyway?</source>
        <translation> फिर भी %1 में कुंडली बनाएँ?</translation>
    </message>
    <message>
        <source>No place in the atlas matches &apos;%1&apos;; type the coordinates and choose the zone.</source>
        <translation>एटलस में &apos;%1&apos; से मिलता कोई स्थान नहीं; निर्देशांक लिखें और समय क्षेत्र चुनें।</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विवरण</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलने की तारीख़</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>%1:%2 local time</source>
        <translation>%1:%2 स्थानीय समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>निर्देशांक</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>राशिचक्र</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>स्थितियाँ</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>राहु-केतु</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>सत्य राहु</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>मध्यम राहु</translation>
    </message>
    <message>
        <source>Dasha year</source>
        <translation>दशा वर्ष</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>चंद्र राशि</translation>
    </message>
    <message>
        <source>Moon nakshatra</source>
        <translation>चंद्र नक्षत्र</translation>
    </message>
    <message>
        <source>%1, pada %2, lord %3</source>
        <translation>%1, चरण %2, स्वामी %3</translation>
    </message>
    <message>
        <source>Panchang of birth</source>
        <translation>जन्म का पंचांग</translation>
    </message>
    <message>
        <source>Birth details and panchang</source>
        <translation>जन्म विवरण और पंचांग</translation>
    </message>
    <message>
        <source>Birth chart and navamsa</source>
        <translation>जन्म कुंडली और नवमांश</translation>
    </message>
    <message>
        <source>Divisional charts</source>
        <translation>वर्ग कुंडलियाँ</translation>
    </message>
    <message>
        <source>in force</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Balance at birth: %1 (Moon in %2, pada %3).</source>
        <translation>जन्म के समय शेष दशा: %1 (चंद्र %2 में, चरण %3)।</translation>
    </message>
    <message>
        <source>A year of the dasha: %1. Shaded: the periods in force on the printing day.</source>
        <translation>दशा का एक वर्ष: %1। छायांकित: छपाई के दिन चल रही अवधियाँ।</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation>अंतर्दशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ पर आयु</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>भोगांश</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation>उप-स्वामी</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>वक्री</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>रिपोर्ट PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>report</source>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <source>The report could not be printed.
</source>
        <translation>रिपोर्ट छापी नहीं जा सकी।
</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>खंड</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>लेटर</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>काग़ज़ (&amp;P):</translation>
    </message>
    <message>
        <source>Birth chart of %1</source>
        <translation>%1 की जन्म कुंडली</translation>
    </message>
    <message>
        <source>Birth chart of %1 %2, %3</source>
        <translation>%2 %1, %3 की जन्म कुंडली</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>छपाई: %1</translation>
    </message>
    <message>
        <source>The report could not be started.</source>
        <translation>रिपोर्ट शुरू नहीं हो सकी।</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>नया पृष्ठ शुरू नहीं हो सका।</translation>
    </message>
    <message>
        <source>The report could not be finished.</source>
        <translation>रिपोर्ट पूरी नहीं हो सकी।</translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in D1 and D9.</source>
        <translation>छायांकित: वर्गोत्तम, D1 और D9 में एक ही राशि।</translation>
    </message>
    <message>
        <source>Shodashavarga table</source>
        <translation>षोडशवर्ग सारणी</translation>
    </message>
    <message>
        <source>R</source>
        <translation>व</translation>
    </message>
    <message>
        <source>, row %1</source>
        <translation>, पंक्ति %1</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>क्षेत्र</translation>
    </message>
    <message>
        <source>Signs and longitudes are tropical; nakshatras are sidereal (Lahiri), as always.</source>
        <translation>राशियाँ और भोगांश सायन हैं; नक्षत्र सदा की तरह निरयण (लाहिड़ी) हैं।</translation>
    </message>
    <message>
        <source>Sub-lords are those of Krishnamurti.</source>
        <translation>उप-स्वामी कृष्णमूर्ति पद्धति के हैं।</translation>
    </message>
    <message>
        <source>Pratyantardashas (many pages)</source>
        <translation>प्रत्यंतर्दशाएँ (कई पृष्ठ)</translation>
    </message>
    <message>
        <source>Transits and Sade Sati</source>
        <translation>गोचर और साढ़े साती</translation>
    </message>
    <message>
        <source>Match (when its window is open)</source>
        <translation>मिलान (जब उसकी विंडो खुली हो)</translation>
    </message>
    <message>
        <source>Atlas</source>
        <translation>एटलस</translation>
    </message>
    <message>
        <source>%1 mahadasha, %2 antardasha</source>
        <translation>%1 महादशा, %2 अंतर्दशा</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>आयु</translation>
    </message>
    <message>
        <source>Pratyantardashas</source>
        <translation>प्रत्यंतर्दशाएँ</translation>
    </message>
    <message>
        <source>From Lagna</source>
        <translation>लग्न से</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>चंद्र से</translation>
    </message>
    <message>
        <source>Sade Sati</source>
        <translation>साढ़े साती</translation>
    </message>
    <message>
        <source>Sade Sati, 1900 to 2100</source>
        <translation>साढ़े साती, 1900 से 2100</translation>
    </message>
</context>
<context>
    <name>SkyPanels</name>
    <message>
        <source>%1 %2 y %3 m %4 d</source>
        <translation>%1 %2व %3मा %4दि</translation>
    </message>
    <message>
        <source>Panchang</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Dasha Balance</source>
        <translation>शेष दशा</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>गोचर</translation>
    </message>
</context>
<context>
    <name>TransitWindow</name>
    <message>
        <source>Transits</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>&amp;Moment:</source>
        <translation>समय (&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>अभी (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Back to Natal</source>
        <translation>जन्म कुंडली पर लौटें (&amp;B)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>भोगांश</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>From Lagna</source>
        <translation>लग्न से</translation>
    </message>
    <message>
        <source>From Moon</source>
        <translation>चंद्र से</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>गोचर (&amp;T)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>&amp;Sade Sati</source>
        <translation>साढ़े साती (&amp;S)</translation>
    </message>
    <message>
        <source>. In the chart,%1 marks a transiting body.</source>
        <translation>। कुंडली में%1 गोचर ग्रह का चिह्न है।</translation>
    </message>
    <message>
        <source>Sade Sati</source>
        <translation>साढ़े साती</translation>
    </message>
    <message>
        <source>Transits of %1 %2 %3 %4 over the birth chart</source>
        <translation>%1 %2 %3, %4 का गोचर</translation>
    </message>
    <message>
        <source>Back in %1 from %2 to %3</source>
        <translation>%2 से %3 तक फिर %1 में</translation>
    </message>
</context>
<context>
    <name>VargaWindow</name>
    <message>
        <source>Shodashavarga and Nakshatras</source>
        <translation>षोडशवर्ग और नक्षत्र</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>भोगांश</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Sub-lord</source>
        <translation>उप-स्वामी</translation>
    </message>
    <message>
        <source>Shodashavarga</source>
        <translation>षोडशवर्ग</translation>
    </message>
    <message>
        <source>Nakshatras</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Shaded: vargottama, the same sign in the birth chart (D1) and the Navamsa (D9). Sub-lords divide each nakshatra by the lords&apos; dasha years.</source>
        <translation>छायांकित: वर्गोत्तम, जन्म कुंडली (D1) और नवमांश (D9) में एक ही राशि। उप-स्वामी हर नक्षत्र को स्वामियों के दशा वर्षों के अनुपात में बाँटते हैं।</translation>
    </message>
    <message>
        <source>%1 zodiac, %2 positions%3; nakshatras sidereal (%4)</source>
        <translation>%1 राशिचक्र, %2 स्थितियाँ%3; नक्षत्र निरयण (%4)</translation>
    </message>
    <message>
        <source>, true node</source>
        <translation>, सत्य राहु</translation>
    </message>
    <message>
        <source> (V)</source>
        <translation> (वर्गो.)</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation>वर्गोत्तम</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Visit the Quendal home page</source>
        <translation>Quendal का मुखपृष्ठ देखें</translation>
    </message>
    <message>
        <source>Quendal is a free natal chart generator. From the date, time and place of birth it works out where the Sun, the Moon, the planets and the lunar nodes stood in the sky at the moment of birth, and sets them out as a chart in the terms of Indian astrology.</source>
        <translation>Quendal मुफ़्त जन्म कुंडली बनाने वाला प्रोग्राम है। जन्म की तारीख़, समय और स्थान से यह निकालता है कि जन्म के क्षण सूर्य, चंद्र, ग्रह और राहु-केतु आकाश में कहाँ थे, और उन्हें भारतीय ज्योतिष की कुंडली के रूप में दिखाता है।</translation>
    </message>
    <message>
        <source>Run a web site? Get a fully branded edition of Quendal, carrying your own name, logo and links, and give it to your visitors.</source>
        <translation>आपकी वेबसाइट है? Quendal का अपने नाम, लोगो और लिंक वाला संस्करण पाएँ और अपने पाठकों को दें।</translation>
    </message>
    <message>
        <source>Precise positions: Swiss Ephemeris, © Astrodienst AG, AGPL-3.0</source>
        <translation>सूक्ष्म स्थितियाँ: Swiss Ephemeris, © Astrodienst AG, AGPL-3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0</source>
        <translation>स्थान: GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Planetary Positions</source>
        <translation>ग्रह स्थितियाँ</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>अन्य विवरण</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>चित्र फ़ाइल</translation>
    </message>
    <message>
        <source>Image folder</source>
        <translation>चित्र फ़ोल्डर</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>South Node</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>यूरेनस</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>नेपच्यून</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>प्लूटो</translation>
    </message>
    <message>
        <source>Rahu / North Node</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu / South Node</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>P_of_F</source>
        <translation>भाग्य बिंदु</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चंद्र राशि</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>चरण</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Ayanamsha</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Lagna Position</source>
        <translation>लग्न स्थिति</translation>
    </message>
    <message>
        <source>Dasha Balance</source>
        <translation>शेष दशा</translation>
    </message>
    <message>
        <source>Panchang</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>नाम: %1</translation>
    </message>
    <message>
        <source>City: %1</source>
        <translation>शहर: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>राज्य: %1</translation>
    </message>
    <message>
        <source>Country: %1</source>
        <translation>देश: %1</translation>
    </message>
    <message>
        <source>Date of Birth: %1 %2, %3</source>
        <translation>जन्म तिथि: %2 %1 %3</translation>
    </message>
    <message>
        <source>Time of Birth: %1 Hour %2 Minute</source>
        <translation>जन्म समय: %1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>Latitude: %1 Degree %2 Minute</source>
        <translation>अक्षांश: %1 अंश %2 कला</translation>
    </message>
    <message>
        <source>Longitude: %1 Degree %2 Minute</source>
        <translation>देशांतर: %1 अंश %2 कला</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Select the source file</source>
        <translation>फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Quendal (*.kdl)</source>
        <translation>Quendal कुंडली (*.kdl)</translation>
    </message>
    <message>
        <source>Questions about your chart? Join our astrologers in the Quendal discussion forum.</source>
        <translation>अपनी कुंडली पर प्रश्न? Quendal चर्चा मंच में हमारे ज्योतिषियों से जुड़ें।</translation>
    </message>
    <message>
        <source>Birth details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>जन्म तिथि:</translation>
    </message>
    <message>
        <source>Time Of Birth:</source>
        <translation>जन्म समय:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>घं/मि/से</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>समय क्षेत्र:</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>अक्षांश:</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>देशांतर:</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>शहर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश-देशांतर यहाँ खोजें</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजी गई कुंडली खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Get My Natal &amp;Chart</source>
        <translation>मेरी जन्म कुंडली बनाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>Put this software on your own web site, co-branded with your name and logo. Click here for more details.</source>
        <translation>यह सॉफ़्टवेयर अपने नाम और लोगो के साथ अपनी वेबसाइट पर लगाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ (&amp;O)</translation>
    </message>
</context>
</TS>
