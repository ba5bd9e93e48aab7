<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AnalysisWindowStrings</name>
    <message>
        <source>The Design Head and Static Head Set Point entry are out of range! Please re-enter Design Head and Static Head Set Point.</source>
        <comment>IDS_01</comment>
        <translation>Die Eingaben für Auslegungsförderhöhe und Sollwert der statischen Förderhöhe liegen außerhalb des zulässigen Bereichs! Bitte geben Sie Auslegungsförderhöhe und Sollwert der statischen Förderhöhe erneut ein.</translation>
    </message>
    <message>
        <source>The Design Head must be greater than the removed pressure drop! Please re-enter the Design Head or Removed Pressure drop.</source>
        <comment>IDS_02</comment>
        <translation>Die Auslegungsförderhöhe muss größer als der entfallene Druckverlust sein! Bitte geben Sie die Auslegungsförderhöhe oder den entfallenen Druckverlust erneut ein.</translation>
    </message>
    <message>
        <source>The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Design Head and Static Head Set Point.</source>
        <comment>IDS_03</comment>
        <translation>Der Sollwert der statischen Förderhöhe muss kleiner oder gleich der Auslegungsförderhöhe sein! Bitte geben Sie Auslegungsförderhöhe und Sollwert der statischen Förderhöhe erneut ein.</translation>
    </message>
    <message>
        <source>Motor Power must be greater or equal to the Shaft Power! Please re-enter Motor Power and Shaft Power.</source>
        <comment>IDS_04</comment>
        <translation>Die Motorleistung muss größer oder gleich der Wellenleistung sein! Bitte geben Sie Motorleistung und Wellenleistung erneut ein.</translation>
    </message>
    <message>
        <source>Drive Power must be greater or equal to the Shaft Power! Please re-enter Drive Power and Shaft Power.</source>
        <comment>IDS_05</comment>
        <translation>Die Umrichterleistung muss größer oder gleich der Wellenleistung sein! Bitte geben Sie Umrichterleistung und Wellenleistung erneut ein.</translation>
    </message>
    <message>
        <source>Drive Power must be greater or equal to the Motor Power! Please re-enter Drive Power or Motor Power.</source>
        <comment>IDS_06</comment>
        <translation>Die Umrichterleistung muss größer oder gleich der Motorleistung sein! Bitte geben Sie Umrichterleistung oder Motorleistung erneut ein.</translation>
    </message>
    <message>
        <source>The End point currently falls below the design point flow, as a result the End point will be reset to twice the design point flow.</source>
        <comment>IDS_10</comment>
        <translation>Der Endpunkt liegt derzeit unterhalb des Volumenstroms im Auslegungspunkt; daher wird der Endpunkt auf den doppelten Volumenstrom im Auslegungspunkt zurückgesetzt.</translation>
    </message>
    <message>
        <source>A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?</source>
        <comment>IDS_11</comment>
        <translation>Eine Pumpenanalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine zuvor gespeicherte Analyse öffnen?</translation>
    </message>
    <message>
        <source>A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?</source>
        <comment>IDS_12</comment>
        <translation>Eine Ventilatoranalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine zuvor gespeicherte Analyse öffnen?</translation>
    </message>
    <message>
        <source>File does not exist!</source>
        <comment>IDS_13</comment>
        <translation>Die Datei existiert nicht!</translation>
    </message>
    <message>
        <source>Total Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding.</source>
        <comment>IDS_14</comment>
        <translation>Die Summe der eingegebenen Prozentanteile des Lastprofils ergibt nicht 100 %. Bitte passen Sie die Prozentanteile des Lastprofils an, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>The Static Head Set Point must be smaller or equal to Design Head! Please re-enter Static Head Set Point.</source>
        <comment>IDS_15</comment>
        <translation>Der Sollwert der statischen Förderhöhe muss kleiner oder gleich der Auslegungsförderhöhe sein! Bitte geben Sie den Sollwert der statischen Förderhöhe erneut ein.</translation>
    </message>
    <message>
        <source>The System Data entered is not valid! Please re-enter the system data in order to continue.</source>
        <comment>IDS_16</comment>
        <translation>Die eingegebenen Systemdaten sind ungültig! Bitte geben Sie die Systemdaten erneut ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>The System Data entered is not valid! Please re-enter the system data in order to continue.</source>
        <comment>IDS_17</comment>
        <translation>Die eingegebenen Systemdaten sind ungültig! Bitte geben Sie die Systemdaten erneut ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>The data you have entered is not valid! Please adjust your data.</source>
        <comment>IDS_18</comment>
        <translation>Die eingegebenen Daten sind ungültig! Bitte passen Sie Ihre Daten an.</translation>
    </message>
    <message>
        <source>The data you have entered is not valid! Please adjust your data.</source>
        <comment>IDS_19</comment>
        <translation>Die eingegebenen Daten sind ungültig! Bitte passen Sie Ihre Daten an.</translation>
    </message>
    <message>
        <source>Please fill out all fields in STEP 2 to go to the duty cycle screen.</source>
        <comment>IDS_20</comment>
        <translation>Bitte füllen Sie alle Felder in SCHRITT 2 aus, um zur Lastprofil-Ansicht zu gelangen.</translation>
    </message>
    <message>
        <source>Save project before closing?</source>
        <comment>IDS_21</comment>
        <translation>Projekt vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Please fill out all fields in STEP 2 to continue to the next step.</source>
        <comment>IDS_22</comment>
        <translation>Bitte füllen Sie alle Felder in SCHRITT 2 aus, um mit dem nächsten Schritt fortzufahren.</translation>
    </message>
    <message>
        <source>Restore default values for Step 2, continue?</source>
        <comment>IDS_23</comment>
        <translation>Standardwerte für Schritt 2 wiederherstellen, fortfahren?</translation>
    </message>
    <message>
        <source>Please fill out all fields in STEP 2 to activate the advanced mode.</source>
        <comment>IDS_24</comment>
        <translation>Bitte füllen Sie alle Felder in SCHRITT 2 aus, um den erweiterten Modus zu aktivieren.</translation>
    </message>
    <message>
        <source>Curve end point needs to be greater than the start point.</source>
        <comment>IDS_25</comment>
        <translation>Der Endpunkt der Kennlinie muss größer als der Startpunkt sein.</translation>
    </message>
    <message>
        <source>Design Point Efficiency has been limited to the Peak Efficiency!</source>
        <comment>IDS_26</comment>
        <translation>Der Wirkungsgrad im Auslegungspunkt wurde auf den Spitzenwirkungsgrad begrenzt!</translation>
    </message>
    <message>
        <source>Curve end point needs to be greater than the start point.</source>
        <comment>IDS_27</comment>
        <translation>Der Endpunkt der Kennlinie muss größer als der Startpunkt sein.</translation>
    </message>
    <message>
        <source>Design Point Efficiency has been limited to the Peak Efficiency!</source>
        <comment>IDS_28</comment>
        <translation>Der Wirkungsgrad im Auslegungspunkt wurde auf den Spitzenwirkungsgrad begrenzt!</translation>
    </message>
    <message>
        <source>Restore default values for Step 4, continue?</source>
        <comment>IDS_29</comment>
        <translation>Standardwerte für Schritt 4 wiederherstellen, fortfahren?</translation>
    </message>
    <message>
        <source>The printer you are trying to use is currently not available. Use &quot;Printer Setup&quot; to select a different printer.</source>
        <comment>IDS_30</comment>
        <translation>Der Drucker, den Sie verwenden möchten, ist derzeit nicht verfügbar. Wählen Sie über „Druckereinrichtung“ einen anderen Drucker aus.</translation>
    </message>
    <message>
        <source>Your default printer is currently unavailable. Please install or select another printer inside the Windows control panel.</source>
        <comment>IDS_31</comment>
        <translation>Ihr Standarddrucker ist derzeit nicht verfügbar. Bitte installieren Sie in der Windows-Systemsteuerung einen anderen Drucker oder wählen Sie dort einen anderen aus.</translation>
    </message>
    <message>
        <source>Restore default values for duty cycle fields, continue?</source>
        <comment>IDS_32</comment>
        <translation>Standardwerte für die Felder des Lastprofils wiederherstellen, fortfahren?</translation>
    </message>
    <message>
        <source>Restore default values for advanced mode, continue?</source>
        <comment>IDS_33</comment>
        <translation>Standardwerte für den erweiterten Modus wiederherstellen, fortfahren?</translation>
    </message>
    <message>
        <source>An error occurred while exporting.</source>
        <comment>IDS_36</comment>
        <translation>Beim Exportieren ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occurred while e-mailing.</source>
        <comment>IDS_37</comment>
        <translation>Beim Versenden per E-Mail ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>A pumping application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?</source>
        <comment>IDS_38</comment>
        <translation>Eine Pumpenanalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine zuvor gespeicherte Analyse öffnen?</translation>
    </message>
    <message>
        <source>A fan application analysis is currently active! Would you like to save this analysis before opening a previously saved analysis?</source>
        <comment>IDS_39</comment>
        <translation>Eine Ventilatoranalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine zuvor gespeicherte Analyse öffnen?</translation>
    </message>
    <message>
        <source>This option is only available when a project is active.</source>
        <comment>IDS_40</comment>
        <translation>Diese Option ist nur verfügbar, wenn ein Projekt aktiv ist.</translation>
    </message>
    <message>
        <source>Please fill out all fields in STEP 2 to save this analysis.</source>
        <comment>IDS_41</comment>
        <translation>Bitte füllen Sie alle Felder in SCHRITT 2 aus, um diese Analyse zu speichern.</translation>
    </message>
    <message>
        <source>This option is only available when a project is active.</source>
        <comment>IDS_44</comment>
        <translation>Diese Option ist nur verfügbar, wenn ein Projekt aktiv ist.</translation>
    </message>
    <message>
        <source>Please fill out all fields in STEP 2 to save this analysis.</source>
        <comment>IDS_45</comment>
        <translation>Bitte füllen Sie alle Felder in SCHRITT 2 aus, um diese Analyse zu speichern.</translation>
    </message>
    <message>
        <source>File already exists! Do you want to replace it?</source>
        <comment>IDS_46</comment>
        <translation>Die Datei existiert bereits! Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>A pumping application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?</source>
        <comment>IDS_48</comment>
        <translation>Eine Pumpenanalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine neue Ventilatoranalyse beginnen?</translation>
    </message>
    <message>
        <source>A fan application analysis is currently active! Would you like to save this analysis before starting a new Fan Application Analysis?</source>
        <comment>IDS_49</comment>
        <translation>Eine Ventilatoranalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine neue Ventilatoranalyse beginnen?</translation>
    </message>
    <message>
        <source>A pumping application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?</source>
        <comment>IDS_50</comment>
        <translation>Eine Pumpenanalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine neue Pumpenanalyse beginnen?</translation>
    </message>
    <message>
        <source>A fan application analysis is currently active! Would you like to save this analysis before starting a new Pump Application Analysis?</source>
        <comment>IDS_51</comment>
        <translation>Eine Ventilatoranalyse ist derzeit aktiv! Möchten Sie diese Analyse speichern, bevor Sie eine neue Pumpenanalyse beginnen?</translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <comment>IDS_55</comment>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source> Fan Application &gt; Project: </source>
        <comment>IDS_56</comment>
        <translation> Ventilatoranwendung &gt; Projekt: </translation>
    </message>
    <message>
        <source> Pump Application &gt; Project: </source>
        <comment>IDS_57</comment>
        <translation> Pumpenanwendung &gt; Projekt: </translation>
    </message>
    <message>
        <source>This is the first time the program is started, would you like to configure the programs currency, power and engineering units?</source>
        <comment>IDS_58</comment>
        <translation>Das Programm wird zum ersten Mal gestartet. Möchten Sie die Währung sowie die Leistungs- und technischen Einheiten des Programms einstellen?</translation>
    </message>
    <message>
        <source>Program Setup can also be accessed from the file menu.</source>
        <comment>IDS_59</comment>
        <translation>Die Programmeinrichtung ist auch über das Menü „Datei“ erreichbar.</translation>
    </message>
    <message>
        <source>Flow for Point 1 must be less than the Design Point Flow when curve is horizontal at point 1</source>
        <comment>IDS_60</comment>
        <translation>Der Volumenstrom in Punkt 1 muss kleiner als der Volumenstrom im Auslegungspunkt sein, wenn die Kennlinie in Punkt 1 waagerecht verläuft</translation>
    </message>
    <message>
        <source>Flow for Point 1 and the Design Point Flow are equal but the pressure values are different!</source>
        <comment>IDS_61</comment>
        <translation>Der Volumenstrom in Punkt 1 und der Volumenstrom im Auslegungspunkt sind gleich, die Druckwerte aber verschieden!</translation>
    </message>
    <message>
        <source>Flow for Point 1 and the Point 2 are equal but the pressure values are different!</source>
        <comment>IDS_62</comment>
        <translation>Die Volumenströme in Punkt 1 und Punkt 2 sind gleich, die Druckwerte aber verschieden!</translation>
    </message>
    <message>
        <source>Flow for Point 2 and the Design Point Flow are equal but the pressure values are different!</source>
        <comment>IDS_63</comment>
        <translation>Der Volumenstrom in Punkt 2 und der Volumenstrom im Auslegungspunkt sind gleich, die Druckwerte aber verschieden!</translation>
    </message>
    <message>
        <source>Flow for Point 2 cannot be equal to the Design Point Flow!</source>
        <comment>IDS_64</comment>
        <translation>Der Volumenstrom in Punkt 2 darf nicht gleich dem Volumenstrom im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Flow Point 1 is greater than the Design Flow, Pressure Point 1 must be less than the Design Flow Pressure!</source>
        <comment>IDS_65</comment>
        <translation>Der Volumenstrom in Punkt 1 ist größer als der Auslegungsvolumenstrom, daher muss der Druck in Punkt 1 kleiner als der Druck im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Flow Point 2 is greater than the Design Flow, Pressure Point 2 must be less than the Design Flow Pressure!</source>
        <comment>IDS_66</comment>
        <translation>Der Volumenstrom in Punkt 2 ist größer als der Auslegungsvolumenstrom, daher muss der Druck in Punkt 2 kleiner als der Druck im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Flow Point 1 is smaller than the Design Flow, Pressure Point 1 must be greater than the Design Flow Pressure!</source>
        <comment>IDS_67</comment>
        <translation>Der Volumenstrom in Punkt 1 ist kleiner als der Auslegungsvolumenstrom, daher muss der Druck in Punkt 1 größer als der Druck im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Flow Point 2 is smaller than the Design Flow, Pressure Point 2 must be greater than the Design Flow Pressure!</source>
        <comment>IDS_68</comment>
        <translation>Der Volumenstrom in Punkt 2 ist kleiner als der Auslegungsvolumenstrom, daher muss der Druck in Punkt 2 größer als der Druck im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Flow Design Point and Flow at Peak Efficiency are equal but the efficiency values are different!</source>
        <comment>IDS_69</comment>
        <translation>Der Volumenstrom im Auslegungspunkt und der Volumenstrom beim Spitzenwirkungsgrad sind gleich, die Wirkungsgrade aber verschieden!</translation>
    </message>
    <message>
        <source>Peak Efficiency must be greater than or equal to the Design Point Efficiency!</source>
        <comment>IDS_70</comment>
        <translation>Der Spitzenwirkungsgrad muss größer oder gleich dem Wirkungsgrad im Auslegungspunkt sein!</translation>
    </message>
    <message>
        <source>Design Point Efficiency is greater than the Peak Efficiency!</source>
        <comment>IDS_71</comment>
        <translation>Der Wirkungsgrad im Auslegungspunkt ist größer als der Spitzenwirkungsgrad!</translation>
    </message>
    <message>
        <source>Design Point Efficiency is greater than the Peak Efficiency!</source>
        <comment>IDS_72</comment>
        <translation>Der Wirkungsgrad im Auslegungspunkt ist größer als der Spitzenwirkungsgrad!</translation>
    </message>
    <message>
        <source>Addition Flow Point and Flow at Peak Efficiency are equal but the efficiency values are different!</source>
        <comment>IDS_73</comment>
        <translation>Der Volumenstrom im Zusatzpunkt und der Volumenstrom beim Spitzenwirkungsgrad sind gleich, die Wirkungsgrade aber verschieden!</translation>
    </message>
    <message>
        <source>Additional Efficiency Point must be smaller or equal to the Peak Efficiency!</source>
        <comment>IDS_74</comment>
        <translation>Der Wirkungsgrad im Zusatzpunkt muss kleiner oder gleich dem Spitzenwirkungsgrad sein!</translation>
    </message>
    <message>
        <source>The Efficiency at the additional point must be greater than or equal to half of the Peak Efficiency!</source>
        <comment>IDS_75</comment>
        <translation>Der Wirkungsgrad im Zusatzpunkt muss mindestens halb so groß wie der Spitzenwirkungsgrad sein!</translation>
    </message>
    <message>
        <source>Peak Efficiency must be greater than or equal to the Design Point Efficiency</source>
        <comment>IDS_76</comment>
        <translation>Der Spitzenwirkungsgrad muss größer oder gleich dem Wirkungsgrad im Auslegungspunkt sein</translation>
    </message>
    <message>
        <source> Wattmere Analysis Report</source>
        <comment>IDS_88</comment>
        <translation> Wattmere-Analysebericht</translation>
    </message>
    <message>
        <source>Years</source>
        <comment>IDS_89</comment>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>More than 5 years</source>
        <comment>IDS_90</comment>
        <translation>Mehr als 5 Jahre</translation>
    </message>
    <message>
        <source>Immediate</source>
        <comment>IDS_91</comment>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Never</source>
        <comment>IDS_92</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Low speed can&apos;t create flow</source>
        <comment>IDS_93</comment>
        <translation>Niedrige Drehzahl erzeugt keinen Volumenstrom</translation>
    </message>
    <message>
        <source> Wattmere Analysis Files (*.KVX)|*.KVX|</source>
        <comment>IDS_100</comment>
        <translation> Wattmere-Analysedateien (*.KVX)|*.KVX|</translation>
    </message>
    <message>
        <source> Wattmere Analysis Files (*.KVX)|*.KVX|</source>
        <comment>IDS_101</comment>
        <translation> Wattmere-Analysedateien (*.KVX)|*.KVX|</translation>
    </message>
    <message>
        <source>Total 2 Speed Motor Duty Cycle Percentages entered do not equal 100%. Please adjust the duty cycle percentages before proceeding.</source>
        <comment>IDS_102</comment>
        <translation>Die Summe der eingegebenen Prozentanteile des Lastprofils für den 2-Stufen-Motor ergibt nicht 100 %. Bitte passen Sie die Prozentanteile des Lastprofils an, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Calculation Error, please check entry.</source>
        <comment>IDS_103</comment>
        <translation>Berechnungsfehler, bitte Eingabe prüfen.</translation>
    </message>
</context>
<context>
    <name>CommonStrings</name>
    <message>
        <source>SUCCESS</source>
        <comment>IDS_0</comment>
        <translation>ERFOLGREICH</translation>
    </message>
    <message>
        <source> out of range!</source>
        <comment>IDS_1</comment>
        <translation> außerhalb des zulässigen Bereichs!</translation>
    </message>
    <message>
        <source>Minimum: </source>
        <comment>IDS_2</comment>
        <translation>Minimum: </translation>
    </message>
    <message>
        <source>Maximum: </source>
        <comment>IDS_3</comment>
        <translation>Maximum: </translation>
    </message>
    <message>
        <source>Continue?</source>
        <comment>IDS_4</comment>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Parameter in file not found!</source>
        <comment>IDS_5</comment>
        <translation>Parameter in der Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Line/Parameter # out of range!</source>
        <comment>IDS_6</comment>
        <translation>Zeilen-/Parameternummer außerhalb des zulässigen Bereichs!</translation>
    </message>
    <message>
        <source>Error in line : </source>
        <comment>IDS_8</comment>
        <translation>Fehler in Zeile : </translation>
    </message>
    <message>
        <source>Application Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_9</comment>
        <translation>Angaben zur Anwendung fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Curve Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_10</comment>
        <translation>Angaben zur Kennlinie fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Pressure Unit Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_11</comment>
        <translation>Angaben zur Druckeinheit fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Flow Unit Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_12</comment>
        <translation>Angaben zur Volumenstromeinheit fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Power Unit Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_13</comment>
        <translation>Angaben zur Leistungseinheit fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Currency Information is Missing or Incorrect! Unable to load this file.</source>
        <comment>IDS_14</comment>
        <translation>Angaben zur Währung fehlen oder sind fehlerhaft! Diese Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>USER_ABORT</source>
        <comment>IDS_23</comment>
        <translation>ABBRUCH DURCH BENUTZER</translation>
    </message>
    <message>
        <source>EMAIL FAILURE</source>
        <comment>IDS_24</comment>
        <translation>E-MAIL-FEHLER</translation>
    </message>
    <message>
        <source>LOGON FAILURE</source>
        <comment>IDS_25</comment>
        <translation>ANMELDEFEHLER</translation>
    </message>
    <message>
        <source>DISK FULL</source>
        <comment>IDS_26</comment>
        <translation>DATENTRÄGER VOLL</translation>
    </message>
    <message>
        <source>INSUFFICIENT MEMORY</source>
        <comment>IDS_27</comment>
        <translation>NICHT GENÜGEND SPEICHER</translation>
    </message>
    <message>
        <source>ACCESS DENIED</source>
        <comment>IDS_28</comment>
        <translation>ZUGRIFF VERWEIGERT</translation>
    </message>
    <message>
        <source>TOO MANY SESSIONS</source>
        <comment>IDS_29</comment>
        <translation>ZU VIELE SITZUNGEN</translation>
    </message>
    <message>
        <source>TOO MANY FILES</source>
        <comment>IDS_30</comment>
        <translation>ZU VIELE DATEIEN</translation>
    </message>
    <message>
        <source>TOO MANY RECIPIENTS</source>
        <comment>IDS_31</comment>
        <translation>ZU VIELE EMPFÄNGER</translation>
    </message>
    <message>
        <source>ATTACHMENT NOT FOUND</source>
        <comment>IDS_32</comment>
        <translation>ANHANG NICHT GEFUNDEN</translation>
    </message>
    <message>
        <source>ATTACHMENT OPEN FAILURE</source>
        <comment>IDS_33</comment>
        <translation>ANHANG KANN NICHT GEÖFFNET WERDEN</translation>
    </message>
    <message>
        <source>ATTACHMENT WRITE FAILURE</source>
        <comment>IDS_34</comment>
        <translation>ANHANG KANN NICHT GESCHRIEBEN WERDEN</translation>
    </message>
    <message>
        <source>UNKNOWN RECIPIENT</source>
        <comment>IDS_35</comment>
        <translation>UNBEKANNTER EMPFÄNGER</translation>
    </message>
    <message>
        <source>NO MESSAGES / BAD RECIPIENT</source>
        <comment>IDS_36</comment>
        <translation>KEINE NACHRICHTEN / UNGÜLTIGER EMPFÄNGER</translation>
    </message>
    <message>
        <source>INVALID MESSAGE</source>
        <comment>IDS_37</comment>
        <translation>UNGÜLTIGE NACHRICHT</translation>
    </message>
    <message>
        <source>MESSAGE TOO BIG</source>
        <comment>IDS_38</comment>
        <translation>NACHRICHT ZU GROSS</translation>
    </message>
    <message>
        <source>INVALID SESSION</source>
        <comment>IDS_39</comment>
        <translation>UNGÜLTIGE SITZUNG</translation>
    </message>
    <message>
        <source>MAIL TYPE NOT SUPPORTED</source>
        <comment>IDS_40</comment>
        <translation>NACHRICHTENTYP NICHT UNTERSTÜTZT</translation>
    </message>
    <message>
        <source>AMBIGUOUS RECIPIENT</source>
        <comment>IDS_41</comment>
        <translation>MEHRDEUTIGER EMPFÄNGER</translation>
    </message>
    <message>
        <source>MESSAGE IN USE</source>
        <comment>IDS_42</comment>
        <translation>NACHRICHT WIRD BEREITS VERWENDET</translation>
    </message>
    <message>
        <source>NETWORK FAILURE</source>
        <comment>IDS_43</comment>
        <translation>NETZWERKFEHLER</translation>
    </message>
    <message>
        <source>INVALID EDIT FIELDS</source>
        <comment>IDS_44</comment>
        <translation>UNGÜLTIGE EINGABEFELDER</translation>
    </message>
    <message>
        <source>INVALID RECIPIENTS</source>
        <comment>IDS_45</comment>
        <translation>UNGÜLTIGE EMPFÄNGER</translation>
    </message>
    <message>
        <source>NO SUPPORTED</source>
        <comment>IDS_46</comment>
        <translation>NICHT UNTERSTÜTZT</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>IDS_47</comment>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>SMTP:</source>
        <comment>IDS_48</comment>
        <translation>SMTP:</translation>
    </message>
    <message>
        <source>E-Mail function [MAPI] is not available.</source>
        <comment>IDS_51</comment>
        <translation>Die E-Mail-Funktion [MAPI] ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Error detected while sending mail [</source>
        <comment>IDS_52</comment>
        <translation>Beim Senden der E-Mail wurde ein Fehler festgestellt [</translation>
    </message>
    <message>
        <source>PDF Files (*.PDF)|*.PDF|</source>
        <comment>IDS_129</comment>
        <translation>PDF-Dateien (*.PDF)|*.PDF|</translation>
    </message>
    <message>
        <source>Export Report to a PDF File</source>
        <comment>IDS_130</comment>
        <translation>Bericht in eine PDF-Datei exportieren</translation>
    </message>
    <message>
        <source>.pdf</source>
        <comment>IDS_131</comment>
        <translation>.pdf</translation>
    </message>
    <message>
        <source>.PDF</source>
        <comment>IDS_132</comment>
        <translation>.PDF</translation>
    </message>
    <message>
        <source>The Extension specified does not match the export file extension, the program will automatically update the specified extension to correct export extension.</source>
        <comment>IDS_133</comment>
        <translation>Die angegebene Dateierweiterung stimmt nicht mit der Erweiterung der Exportdatei überein; das Programm ändert die angegebene Erweiterung automatisch in die richtige Exporterweiterung.</translation>
    </message>
    <message>
        <source> already exists!</source>
        <comment>IDS_135</comment>
        <translation> existiert bereits!</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <comment>IDS_136</comment>
        <translation>Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>An error occurred exporting the active report!</source>
        <comment>IDS_137</comment>
        <translation>Beim Exportieren des aktiven Berichts ist ein Fehler aufgetreten!</translation>
    </message>
</context>
<context>
    <name>MessageBoxTexts</name>
    <message>
        <source>Warning</source>
        <comment>Title_Warning</comment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Title_Error</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>Title_Information</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>Title_Confirm</comment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Button_OK</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Button_Cancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>Button_Yes</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>Button_No</comment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <comment>Button_Abort</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <comment>Button_Retry</comment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <comment>Button_Ignore</comment>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <comment>Button_All</comment>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <comment>Button_NoToAll</comment>
        <translation>N&amp;ein, keine</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <comment>Button_YesToAll</comment>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>Button_Help</comment>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>WordLabels</name>
    <message>
        <source>Fan and Control Curve Data</source>
        <comment>ChartMainTitle_Fan</comment>
        <translation>Ventilator- und Regelkennliniendaten</translation>
    </message>
    <message>
        <source>Pump and Control Curve Data</source>
        <comment>ChartMainTitle_Pump</comment>
        <translation>Pumpen- und Regelkennliniendaten</translation>
    </message>
    <message>
        <source>Fan</source>
        <comment>Fan_Word</comment>
        <translation>Ventilator</translation>
    </message>
    <message>
        <source>Pump</source>
        <comment>Pump_Word</comment>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Fan Curve</source>
        <comment>FanCurve_Word</comment>
        <translation>Ventilatorkennlinie</translation>
    </message>
    <message>
        <source>Pump Curve</source>
        <comment>PumpCurve_Word</comment>
        <translation>Pumpenkennlinie</translation>
    </message>
    <message>
        <source>Fan Curve Data</source>
        <comment>FanCurveData_Word</comment>
        <translation>Ventilatorkennliniendaten</translation>
    </message>
    <message>
        <source>Pump Curve Data</source>
        <comment>PumpCurveData_Word</comment>
        <translation>Pumpenkennliniendaten</translation>
    </message>
    <message>
        <source>Flow (%)</source>
        <comment>Flow_Word</comment>
        <translation>Volumenstrom (%)</translation>
    </message>
    <message>
        <source>Time (%)</source>
        <comment>Time_Word</comment>
        <translation>Zeit (%)</translation>
    </message>
    <message>
        <source>Savings</source>
        <comment>Savings_Word</comment>
        <translation>Einsparungen</translation>
    </message>
    <message>
        <source>Outlet Dampers</source>
        <comment>Outlet_Damper_Word</comment>
        <translation>Drosselklappen</translation>
    </message>
    <message>
        <source>Throttling Valve</source>
        <comment>Throtteling_Valve_Word</comment>
        <translation>Drosselventil</translation>
    </message>
    <message>
        <source>Inlet Guide Vanes</source>
        <comment>Inlet_Guide_Vane_Word</comment>
        <translation>Drallregler</translation>
    </message>
    <message>
        <source>Fan/Control Curve</source>
        <comment>Chart_Selection_FanCurve</comment>
        <translation>Ventilator-/Regelkennlinie</translation>
    </message>
    <message>
        <source>Pump/Control Curve</source>
        <comment>Chart_Selection_PumpCurve</comment>
        <translation>Pumpen-/Regelkennlinie</translation>
    </message>
    <message>
        <source>The fan curve at point 1 is horizontal</source>
        <comment>FAN_CURVE_HORIZ</comment>
        <translation>Die Ventilatorkennlinie verläuft in Punkt 1 waagerecht</translation>
    </message>
    <message>
        <source>The pump curve at point 1 is horizontal</source>
        <comment>PUMP_CURVE_HORIZ</comment>
        <translation>Die Pumpenkennlinie verläuft in Punkt 1 waagerecht</translation>
    </message>
    <message>
        <source>Fan curve point 1:</source>
        <comment>FAN_POINT1</comment>
        <translation>Ventilatorkennlinie Punkt 1:</translation>
    </message>
    <message>
        <source>Fan curve point 2:</source>
        <comment>FAN_POINT2</comment>
        <translation>Ventilatorkennlinie Punkt 2:</translation>
    </message>
    <message>
        <source>Pump curve point 1:</source>
        <comment>PUMP_POINT1</comment>
        <translation>Pumpenkennlinie Punkt 1:</translation>
    </message>
    <message>
        <source>Pump curve point 2:</source>
        <comment>PUMP_POINT2</comment>
        <translation>Pumpenkennlinie Punkt 2:</translation>
    </message>
    <message>
        <source>2 Speed Motor</source>
        <comment>Motor_2_Speed_Word</comment>
        <translation>2-Stufen-Motor</translation>
    </message>
    <message>
        <source>Constant Volume System</source>
        <comment>Constant_Volume_System</comment>
        <translation>Konstantvolumenstrom-System</translation>
    </message>
    <message>
        <source>Cycling System</source>
        <comment>Cycling_System</comment>
        <translation>Taktbetrieb-System</translation>
    </message>
    <message>
        <source>Outlet Damper System</source>
        <comment>Outlet_Damper_System</comment>
        <translation>Drosselklappen-System</translation>
    </message>
    <message>
        <source>Throttling Valve System</source>
        <comment>Throtteling_Valve_System</comment>
        <translation>Drosselventil-System</translation>
    </message>
    <message>
        <source>Inlet Guide Vane System</source>
        <comment>Inlet_Guide_Vane_System</comment>
        <translation>Drallregler-System</translation>
    </message>
    <message>
        <source> * = System Design Limits</source>
        <comment>System_Design_Limits</comment>
        <translation> * = Auslegungsgrenzen des Systems</translation>
    </message>
    <message>
        <source>H</source>
        <comment>High_Speed</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Low_Speed</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Fan Application</source>
        <comment>Fan_Application_Name</comment>
        <translation>Ventilatoranwendung</translation>
    </message>
    <message>
        <source>Pump Application</source>
        <comment>Pump_Application_Name</comment>
        <translation>Pumpenanwendung</translation>
    </message>
</context>
</TS>
